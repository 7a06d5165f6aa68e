#pragma once

#include "app/signbutton.h"

// A button that opens the window's menu, for a finger: where there is no
// right button, no menu key and no keyboard at all (a tablet), the menu
// and every command in it are a tap away. It stands in the window's
// top-right corner, off the dial, and follows the window's size and type.
class MenuButton : public SignButton
{
    Q_OBJECT

public:
    explicit MenuButton(QWidget &window);

protected:
    bool eventFilter(QObject *watched, QEvent *event) override;

private:
    void place();
};
