#pragma once

#include "dial/practiceround.h"

#include <QObject>
#include <QRect>

class DesignLayout;
class DialCanvas;
class Announcement;
class QWidget;

// Practice: the program asks and the pupil answers by choosing an hour, as
// always. On, the description's place shows the task, the feedback and the
// score, and the dial draws the task's arrow and, after an answer, a ring
// round the hour that was sought. Off, it shows and draws nothing.
class Practice : public QObject
{
    Q_OBJECT

public:
    // The practice text takes the place of `description`, at `place` in the
    // window's design.
    Practice(DialCanvas &dial, QWidget &description, DesignLayout &layout, QRect place, QObject *parent);

    const dial::PracticeRound &round() const { return m_round; }

    bool isOn() const { return m_on; }
    void setOn(bool on);
    // The pupil chose `hour` as an answer (not merely passed it with the keys).
    void chose(qint16 hour);
    // The highlight of a choice has ended: time for the next task.
    void highlightEnded();

signals:
    // A new task asks: the last answer's figures are over.
    void taskAsked();

private:
    // The type follows the window's zoom.
    void setZoom(qreal zoom);
    void show();

    DialCanvas &m_dial;
    QWidget &m_description;
    DesignLayout &m_layout;
    QRect m_place;
    Announcement *m_panel = nullptr;
    dial::PracticeRound m_round{0}; // a new round each time practice is switched on
    bool m_on = false;
};
