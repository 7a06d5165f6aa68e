#include "app/menubutton.h"

#include <QEvent>

using namespace Qt::StringLiterals;

namespace {

// Three bars, the sign for a menu.
QPainterPath bars()
{
    constexpr int Bars = 3;
    QPainterPath sign;
    for (int bar = 0; bar < Bars; ++bar)
        sign.addRect(3, 3 + 2.5 * bar, 6, 1);
    return sign;
}

} // namespace

MenuButton::MenuButton(QWidget &window)
    : SignButton(bars(), &window)
{
    setObjectName(u"MenuButton"_s);
    setToolTip(u"Меню"_s);
    setAccessibleName(u"Меню"_s);
    setFocusPolicy(Qt::NoFocus); // the keys stay with the dial, the list and the text
    window.installEventFilter(this);
    place();
}

bool MenuButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && (event->type() == QEvent::Resize || event->type() == QEvent::FontChange))
        place();
    return SignButton::eventFilter(watched, event);
}

void MenuButton::place()
{
    const auto *window = parentWidget();
    resize(sizeHint());
    move(window->width() - width(), 0);
    raise();
}
