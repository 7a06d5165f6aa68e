#pragma once

#include <QFocusFrame>

// Shows, as browsers do, where the keys go as soon as the keys are used:
// after Tab has moved the focus, or when a key that moves or chooses acts
// on the focused control. A mouse press, or any other move of the focus,
// hides it. Leaving the window and coming back keeps it where it was.
class KeyboardFocusFrame : public QFocusFrame
{
    Q_OBJECT

public:
    explicit KeyboardFocusFrame(QWidget *window);

    // Tab has just moved the focus: frame the widget that has it now.
    void followTab();

private:
    void focusMoved(QWidget *old, QWidget *now);
    void hideFrame();

    bool m_shown = false;
};
