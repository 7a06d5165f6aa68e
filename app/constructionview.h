#pragma once

#include "dial/construction.h"

#include <QList>
#include <QObject>
#include <QVariantAnimation>

class ClockDial;
class ModePanel;

// The twelve hours built with straightedge and compass, a step at a time,
// on the dial: each step's new strokes are drawn in over a moment (the
// compass swept, the line drawn), the earlier steps stay, and the step's
// caption shows in `panel`. Off, it draws and shows nothing.
class ConstructionView : public QObject
{
    Q_OBJECT

public:
    ConstructionView(ClockDial &dial, ModePanel &panel, QObject *parent);

    int stepCount() const { return int(m_steps.size()); }
    // The step shown last, from 0.
    int step() const { return m_step; }

public slots:
    void setShown(bool shown);
    void next();
    void previous();
    void first();
    void last();

private:
    // Shows step `index`, its own strokes drawn in when `drawIn`.
    void showStep(int index, bool drawIn);
    // Everything up to the shown step, its own strokes `progress` of the way.
    void draw(double progress);

    ClockDial &m_dial;
    ModePanel &m_panel;
    const QList<dial::ConstructionStep> m_steps;
    QList<QPointF> m_found; // where each hour's point was found, 12 at index 0
    QVariantAnimation m_drawIn;
    bool m_shown = false;
    int m_step = 0;
};
