#include "widgets/longtouch.h"

#include <QApplication>
#include <QContextMenuEvent>
#include <QMouseEvent>
#include <QWidget>

LongTouch::LongTouch(QWidget &window)
    : QObject(&window)
    , m_window(window)
{
    m_hold.setSingleShot(true);
    m_hold.setInterval(HoldMs);
    connect(&m_hold, &QTimer::timeout, this, &LongTouch::held);
    // A press goes to the control under it; the application sees it first.
    qApp->installEventFilter(this);
}

bool LongTouch::eventFilter(QObject *watched, QEvent *event)
{
    switch (event->type()) {
    case QEvent::MouseButtonPress: {
        const auto *press = static_cast<QMouseEvent *>(event);
        // The first control that the press reaches (a control that passes
        // it on passes it to the one below it, which was touched too).
        if (!m_hold.isActive() && press->source() != Qt::MouseEventNotSynthesized
            && press->button() == Qt::LeftButton && watched->isWidgetType()
            && static_cast<QWidget *>(watched)->window() == &m_window) {
            m_touched = static_cast<QWidget *>(watched);
            m_at = press->globalPosition().toPoint();
            m_hold.start();
        }
        break;
    }
    case QEvent::MouseMove:
        // A finger that moves is dragging or scrolling, not holding.
        if (m_hold.isActive()
            && (static_cast<QMouseEvent *>(event)->globalPosition().toPoint() - m_at).manhattanLength()
                   > QApplication::startDragDistance())
            m_hold.stop();
        break;
    case QEvent::MouseButtonRelease:
    case QEvent::TouchCancel:
        m_hold.stop();
        break;
    default:
        break;
    }
    return QObject::eventFilter(watched, event);
}

void LongTouch::held()
{
    if (!m_touched)
        return;
    QContextMenuEvent request(QContextMenuEvent::Mouse, m_touched->mapFromGlobal(m_at), m_at);
    QApplication::sendEvent(m_touched, &request);
}
