#pragma once

#include "dial/construction.h"
#include "widgets/clockdial.h"

#include <QList>
#include <QObject>
#include <QVariantAnimation>

class ModePanel;

// The twelve hours built with straightedge and compass, a step at a time,
// on the dial: each step's new strokes are drawn in over a moment (the
// compass swept, the line drawn), the earlier steps stay, and the step's
// caption shows in `panel`. Off, it draws and shows nothing.
class ConstructionView : public QObject
{
    Q_OBJECT

public:
    // A stroke between two fractions of its length.
    struct Part
    {
        double from = 0;
        double to = 1;
    };

    ConstructionView(ClockDial &dial, ModePanel &panel, QObject *parent);

    int stepCount() const { return int(m_steps.size()); }

signals:
    // The construction was switched off, or a step key found no step, in words.
    void told(const QString &news);

public slots:
    void setShown(bool shown);
    void next();
    void previous();
    void first();
    void last();

private:
    // Shows step `index`, its own strokes drawn in when `drawIn`.
    void showStep(int index, bool drawIn);
    // The shown step's strokes, `progress` of the way in, then its points.
    void drawIn(double progress);
    // The strokes of `step` between two fractions of their lengths.
    QList<ClockDial::Figure> figures(const dial::ConstructionStep &step, Part part) const;
    // The points `step` finds, ringed and labelled.
    static QList<ClockDial::Figure> points(const dial::ConstructionStep &step);

    ClockDial &m_dial;
    ModePanel &m_panel;
    const QList<dial::ConstructionStep> m_steps;
    QList<QPointF> m_found; // where each hour's point was found, 12 at index 0
    QVariantAnimation m_drawIn;
    bool m_shown = false;
    int m_step = 0;
    int m_wholeSteps = 0; // the steps drawn whole on the dial, from the first
    int m_piecesOf = -1;  // the step drawn in part, or -1
    double m_drawnTo = 0; // how far the shown step is drawn in
};
