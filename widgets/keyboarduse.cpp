#include "widgets/keyboarduse.h"

#include <QApplication>
#include <QKeyEvent>
#include <QWidget>

bool KeyboardUse::movesOrChooses(int key)
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

KeyboardUse::KeyboardUse(QWidget *window)
    : QObject(window)
    , m_window(window)
{
    // A key goes to whichever control has the focus; the application sees
    // every event before its receiver does.
    qApp->installEventFilter(this);
}

bool KeyboardUse::inWindow(QObject *object) const
{
    return object && object->isWidgetType() && static_cast<QWidget *>(object)->window() == m_window;
}

bool KeyboardUse::eventFilter(QObject *watched, QEvent *event)
{
    if (event->type() == QEvent::KeyPress && watched == QApplication::focusWidget() && inWindow(watched)
        && movesOrChooses(static_cast<QKeyEvent *>(event)->key()))
        emit keysActed();
    else if (event->type() == QEvent::MouseButtonPress && inWindow(watched))
        emit mousePressed();
    return QObject::eventFilter(watched, event);
}
