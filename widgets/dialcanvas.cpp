#include "widgets/dialcanvas.h"

#include <QMouseEvent>
#include <QPainter>

namespace {

// Where a child was placed, in user units.
constexpr char PositionProperty[] = "dialPosition";

} // namespace

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
    const qreal reach = m_drawWidth * m_zoom / 2 + 1;
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

void DialCanvas::setZoom(qreal zoom)
{
    m_zoom = zoom;
    update();
}

void DialCanvas::moveChild(QWidget &child, QPointF user) const
{
    child.setProperty(PositionProperty, user);
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
        const qreal r = dot.width * m_zoom / 2;
        painter.drawEllipse(toPixels(dot.centre), r, r);
    }
}

void DialCanvas::resizeEvent(QResizeEvent *)
{
    for (QWidget *child : findChildren<QWidget *>(Qt::FindDirectChildrenOnly)) {
        const QVariant user = child->property(PositionProperty);
        if (user.isValid())
            child->move(toPixels(user.toPointF()).toPoint());
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
