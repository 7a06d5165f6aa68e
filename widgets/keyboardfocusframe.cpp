#include "widgets/keyboardfocusframe.h"

#include <QApplication>

KeyboardFocusFrame::KeyboardFocusFrame(QWidget *window)
    : QFocusFrame(window)
{
    QPalette black = palette();
    black.setColor(QPalette::WindowText, Qt::black);
    setPalette(black);
    connect(qApp, &QApplication::focusChanged, this, &KeyboardFocusFrame::focusMoved);
}

void KeyboardFocusFrame::followTab()
{
    m_shown = true;
    setWidget(QApplication::focusWidget());
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
