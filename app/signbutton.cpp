#include "app/signbutton.h"

#include <QPainter>
#include <QStyle>
#include <QStyleOptionFocusRect>

namespace {

constexpr double LinesPerSide = 2; // the side in lines of the button's type

} // namespace

SignButton::SignButton(const QPainterPath &sign, QWidget *parent)
    : QAbstractButton(parent)
    , m_sign(sign)
{
}

QSize SignButton::sizeHint() const
{
    const int side = std::max(SmallestSide, qRound(fontMetrics().height() * LinesPerSide));
    return {side, side};
}

void SignButton::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    const QColor ground = palette().color(isDown() ? QPalette::Mid : QPalette::Button);
    painter.setPen(QPen(palette().color(QPalette::WindowText), 1)); // greyed when disabled, as the palette has it
    painter.setBrush(ground);
    painter.drawRect(QRectF(rect()).adjusted(0.5, 0.5, -0.5, -0.5));
    if (hasFocus()) {
        QStyleOptionFocusRect focus;
        focus.initFrom(this);
        focus.rect = rect().adjusted(3, 3, -3, -3);
        style()->drawPrimitive(QStyle::PE_FrameFocusRect, &focus, &painter, this);
    }
    painter.setPen(Qt::NoPen);
    painter.setBrush(palette().color(QPalette::ButtonText));
    const double side = std::min(width(), height());
    painter.translate((width() - side) / 2, (height() - side) / 2);
    painter.scale(side / SignUnits, side / SignUnits);
    painter.drawPath(m_sign);
}
