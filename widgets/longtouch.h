#pragma once

#include <QObject>
#include <QPoint>
#include <QPointer>
#include <QTimer>

class QWidget;

// A finger held still on a window's control asks the control for its
// context menu, as a right press does with a mouse: touch screens have no
// right button. The control answers as it answers a right press: the
// dial takes it as a press and opens nothing, the rest of the window opens
// the window's menu. Only a touch counts (a press that the system or Qt
// made from a touch); a mouse held down is a press held down.
class LongTouch : public QObject
{
    Q_OBJECT

public:
    // How long a finger is held: as long as touch screens wait for a menu.
    static constexpr int HoldMs = 600;

    explicit LongTouch(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void held();

    QWidget &m_window;
    QPointer<QWidget> m_touched;
    QPoint m_at; // where the finger went down, on the screen
    QTimer m_hold;
};
