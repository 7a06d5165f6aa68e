#include "app/menubutton.h"

#include <QEvent>
#include <QPainter>

using namespace Qt::StringLiterals;

namespace {

constexpr int Bars = 3;
constexpr double LinesPerSide = 2; // the side in lines of the window's type

} // namespace

MenuButton::MenuButton(QWidget &window)
    : QAbstractButton(&window)
{
    setObjectName(u"MenuButton"_s);
    setToolTip(u"Меню"_s);
    setAccessibleName(u"Меню"_s);
    setFocusPolicy(Qt::NoFocus); // the keys stay with the dial, the list and the text
    window.installEventFilter(this);
    place();
}

QSize MenuButton::sizeHint() const
{
    const int side = std::max(SmallestSide, qRound(fontMetrics().height() * LinesPerSide));
    return {side, side};
}

bool MenuButton::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == parent() && (event->type() == QEvent::Resize || event->type() == QEvent::FontChange))
        place();
    return QAbstractButton::eventFilter(watched, event);
}

void MenuButton::place()
{
    const auto *window = parentWidget();
    resize(sizeHint());
    move(window->width() - width(), 0);
    raise();
}

void MenuButton::paintEvent(QPaintEvent *)
{
    // Three bars, the sign for a menu, drawn rather than written: the
    // window's typeface may lack the character.
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ground = palette().color(isDown() ? QPalette::Mid : QPalette::Button);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1));
    painter.setBrush(ground);
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    const double unit = height() / 12.0;
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::ButtonText));
    for (int bar = 0; bar < Bars; ++bar)
        painter.drawRect(QRectF(3 * unit, (3 + 2.5 * bar) * unit, 6 * unit, unit));
}
