#pragma once

// What the tests of the whole window share: its dial, a tick of its timer,
// a press on it.

#include "testsupport.h"
#include "widgets/clockdial.h"

#include <QCoreApplication>
#include <QMouseEvent>
#include <QTimer>

// The window's dial, and what it shows.
inline ClockDial &dialOf(const QObject &window)
{
    return *control<ClockDial>(window, QStringLiteral("Picture1"));
}
inline const dial::HighlightCycle &highlightOf(const QObject &window)
{
    return dialOf(window).highlight();
}

// One tick of the dial's timer, delivered as the event loop delivers it.
inline void tick(const QObject &window)
{
    QTimer *timer = control<QTimer>(window, QStringLiteral("Timer1"));
    QTimerEvent event(timer->timerId());
    QCoreApplication::sendEvent(timer, &event);
}

// A left press and release on the dial at `units`, to the fraction of a
// pixel, as a touch screen or a high-resolution mouse gives it.
inline void pressDial(const QObject &window, QPointF units)
{
    ClockDial &dial = dialOf(window);
    const QPointF at = dial.transform().map(units);
    for (const QEvent::Type type : {QEvent::MouseButtonPress, QEvent::MouseButtonRelease}) {
        QMouseEvent event(type, at, dial.mapToGlobal(at), Qt::LeftButton,
                          type == QEvent::MouseButtonPress ? Qt::LeftButton : Qt::NoButton, Qt::NoModifier);
        QCoreApplication::sendEvent(&dial, &event);
    }
}
