#include "widgets/dialcanvas.h"

#include <QMouseEvent>
#include <QPainter>

DialCanvas::DialCanvas(QWidget *parent)
    : QWidget(parent)
{
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
}

void DialCanvas::PSet(float x, float y)
{
    m_dots.append({QPointF(x, y), m_drawWidth});
    const QPointF centre = toPixels(QPointF(x, y));
    const qreal reach = m_drawWidth / 2.0 + 1;
    update(QRectF(centre - QPointF(reach, reach), QSizeF(2 * reach, 2 * reach)).toAlignedRect());
}

QPointF DialCanvas::toPixels(QPointF user) const
{
    return {user.x() * width() / ScaleWidth(), user.y() * height() / ScaleHeight()};
}

QPointF DialCanvas::toUser(QPointF pixels) const
{
    return {pixels.x() * ScaleWidth() / width(), pixels.y() * ScaleHeight() / height()};
}

void DialCanvas::moveChild(QWidget &child, QPointF user) const
{
    child.move(toPixels(user).toPoint());
}

float DialCanvas::widthInUnits(const QWidget &child) const
{
    return float(child.width() * ScaleWidth() / width());
}

void DialCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // The program never sets a drawing colour: the dots take the theme's text colour.
    painter.setBrush(palette().color(QPalette::WindowText));
    for (const Dot &dot : std::as_const(m_dots)) {
        const qreal r = dot.width / 2.0;
        painter.drawEllipse(toPixels(dot.centre), r, r);
    }
}

void DialCanvas::mousePressEvent(QMouseEvent *event)
{
    event->accept();
    const QPointF user = toUser(event->position());
    emit MouseDown(float(user.x()), float(user.y()));
}

void DialCanvas::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is a double click, not another
    // press: it does not choose again.
    event->accept();
}
