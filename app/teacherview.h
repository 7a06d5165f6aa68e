#pragma once

#include <QObject>
#include <QString>

#include <optional>

class ClockDial;

// The teacher's view: the geometry behind the exercise, drawn on the dial in
// dial units (the regular 12-gon through the hour points, the twelve sector
// edges that turn a direction into an hour, the 12-gon's central and
// interior angles) and, after each choice, the direction that chose it with
// its angle as the program computed it, also told with the chosen hour.
// Off, it draws nothing.
class TeacherView : public QObject
{
    Q_OBJECT

public:
    // Draws on `dial` and follows its choices.
    TeacherView(ClockDial &dial, QObject *parent);

    void setShown(bool shown);
    // No choice to show any more (a new practice task has come).
    void forgetChoice();

signals:
    // The view was switched on or off, in words.
    void told(const QString &news);

private:
    void chose(double degrees);
    void draw();

    ClockDial &m_dial;
    bool m_shown = false;
    std::optional<double> m_degrees;
};
