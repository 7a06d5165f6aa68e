#include "widgets/keyboardfocusframe.h"

#include <QApplication>
#include <QKeyEvent>

namespace {

// The keys that move or choose in the window's controls; shortcuts and
// modifiers alone show nothing.
bool movesOrChooses(int key)
{
    switch (key) {
    case Qt::Key_Left:
    case Qt::Key_Right:
    case Qt::Key_Up:
    case Qt::Key_Down:
    case Qt::Key_Home:
    case Qt::Key_End:
    case Qt::Key_PageUp:
    case Qt::Key_PageDown:
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        return true;
    default:
        return false;
    }
}

} // namespace

KeyboardFocusFrame::KeyboardFocusFrame(QWidget *window)
    : QFocusFrame(window)
{
    QPalette black = palette();
    black.setColor(QPalette::WindowText, Qt::black);
    setPalette(black);
    connect(qApp, &QApplication::focusChanged, this, &KeyboardFocusFrame::focusMoved);
    // Keys and presses reach whichever control has the focus; the
    // application sees them all first.
    qApp->installEventFilter(this);
}

void KeyboardFocusFrame::followTab()
{
    m_shown = true;
    setWidget(QApplication::focusWidget());
}

bool KeyboardFocusFrame::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && !m_shown && watched == QApplication::focusWidget()
        && static_cast<QWidget *>(watched)->window() == parentWidget()->window()
        && movesOrChooses(static_cast<QKeyEvent *>(event)->key())) {
        followTab();
    } else if (event->type() == QEvent::MouseButtonPress && m_shown && watched->isWidgetType()
               && static_cast<QWidget *>(watched)->window() == parentWidget()->window()) {
        m_shown = false;
        setWidget(nullptr);
    }
    return QFocusFrame::eventFilter(watched, event);
}

void KeyboardFocusFrame::focusMoved(QWidget *old, QWidget *now)
{
    // The window lost or regained the focus: the frame goes and comes back with it.
    const bool windowChange = !old || !now || old->window() != now->window();
    if (windowChange && m_shown && now && now->window() == parentWidget()->window()) {
        setWidget(now);
        return;
    }
    if (!windowChange)
        m_shown = false;
    setWidget(nullptr);
}
