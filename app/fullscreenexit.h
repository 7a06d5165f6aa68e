#pragma once

#include <QObject>

class QAction;
class QToolButton;
class QWidget;
class WindowNote;

// The way out of full screen, shown as browsers and video players show it:
// as full screen begins, a note at the top names the keys for a few
// seconds (and a screen reader says it), and a small button in the
// top-right corner leaves it, for a teacher with a mouse alone. Both take
// the window's type, so they grow with its zoom; they stand in the corner
// and at the top, off the dial (the note over the heading, for its few
// seconds).
// They show while `leave`, the command that leaves full screen, can act.
class FullScreenExit : public QObject
{
    Q_OBJECT

public:
    FullScreenExit(QWidget &window, QAction &leave);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void follow();
    void place();

    QWidget &m_window;
    QAction &m_leave;
    WindowNote *m_note = nullptr;
    QToolButton *m_button = nullptr;
    bool m_shown = false;
};
