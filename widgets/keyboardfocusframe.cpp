#include "widgets/keyboardfocusframe.h"

#include "widgets/keyboarduse.h"

#include <QApplication>

KeyboardFocusFrame::KeyboardFocusFrame(QWidget *window)
    : QFocusFrame(window)
{
    QPalette black = palette();
    black.setColor(QPalette::WindowText, Qt::black);
    setPalette(black);
    connect(qApp, &QApplication::focusChanged, this, &KeyboardFocusFrame::focusMoved);
    auto *use = new KeyboardUse(window);
    connect(use, &KeyboardUse::keysActed, this, [this] {
        if (!m_shown)
            followTab();
    });
    connect(use, &KeyboardUse::mousePressed, this, &KeyboardFocusFrame::hideFrame);
}

void KeyboardFocusFrame::followTab()
{
    m_shown = true;
    setWidget(QApplication::focusWidget());
}

void KeyboardFocusFrame::hideFrame()
{
    m_shown = false;
    setWidget(nullptr);
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
