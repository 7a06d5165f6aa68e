#pragma once

#include <QFocusFrame>

// Shows, as browsers do, where the keys go once Tab has moved the focus
// there, and nowhere before: a click or any other move of the focus hides
// it. Leaving the window and coming back keeps it where it was.
class KeyboardFocusFrame : public QFocusFrame
{
    Q_OBJECT

public:
    explicit KeyboardFocusFrame(QWidget *window);

    // Tab has just moved the focus: frame the widget that has it now.
    void followTab();

private:
    void focusMoved(QWidget *old, QWidget *now);

    bool m_shown = false;
};
