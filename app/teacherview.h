#pragma once

#include <QObject>
#include <QString>

#include <optional>

class DialCanvas;

// The teacher's view: the geometry behind the exercise, drawn on the dial in
// dial units (the regular 12-gon through the hour points, the twelve sector
// edges that turn a direction into an hour, the 12-gon's central and
// interior angles) and, after each choice, the direction that chose it with
// its angle as the program computed it. Off, it draws nothing.
class TeacherView : public QObject
{
    Q_OBJECT

public:
    TeacherView(DialCanvas &dial, QObject *parent);

    bool isShown() const { return m_shown; }
    void setShown(bool shown);

    // A choice in the direction at `degrees`, as the dial's angle gave it;
    // a choice of `hour` from the list or the keys, in its point's direction.
    void chose(double degrees);
    void choseHour(qint16 hour);
    // No choice to show any more (a new practice task has come).
    void forgetChoice();
    // "a = 123,69°" for the last choice, or nothing before one.
    QString angleText() const;

signals:
    // The angle shown of the last choice, "a = 123,69°", or nothing.
    void angleShown(const QString &text);

private:
    void draw();

    DialCanvas &m_dial;
    bool m_shown = false;
    std::optional<double> m_degrees;
};
