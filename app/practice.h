#pragma once

#include "dial/practiceround.h"

#include <QObject>
#include <QRect>

class ClockDial;
class ModePanel;

// Practice: the program asks and the pupil answers by choosing an hour, as
// always. On, the description's place shows the task, the feedback and the
// score, and the dial draws the task's arrow and, after an answer, a ring
// round the hour that was sought. Off, it shows and draws nothing.
class Practice : public QObject
{
    Q_OBJECT

public:
    // Asks on `dial` and in `panel`, shown while practice is on.
    Practice(ClockDial &dial, ModePanel &panel, QObject *parent);

    const dial::PracticeRound &round() const { return m_round; }

    void setOn(bool on);

signals:
    // A new task asks: the last answer's figures are over.
    void taskAsked();
    // Practice was switched off, in words.
    void told(const QString &news);
    // Practice was left before the round's end: where it stood, with the score.
    void roundLeft(const QString &score);
    // While an answer's feedback shows, no choice answers or moves the marker.
    void choicesHeld(bool held);

private:
    // The pupil chose `hour`, as an answer or only passing over it.
    void chose(int hour, bool answers);
    // The highlight of a choice has ended: time for the next task.
    void highlightEnded();
    void show();

    ClockDial &m_dial;
    ModePanel &m_panel;
    dial::PracticeRound m_round{0}; // a new round each time practice is switched on
    bool m_on = false;
};
