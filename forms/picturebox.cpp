#include "forms/picturebox.h"

#include "forms/runtimeerror.h"
#include "forms/twips.h"

#include <QMouseEvent>
#include <QPainter>

#include <cmath>

namespace forms {

namespace {

qint16 buttonCode(Qt::MouseButton button)
{
    switch (button) {
    case Qt::LeftButton:
        return 1;
    case Qt::RightButton:
        return 2;
    case Qt::MiddleButton:
        return 4;
    default:
        return 0;
    }
}

qint16 shiftCode(Qt::KeyboardModifiers modifiers)
{
    return qint16((modifiers & Qt::ShiftModifier ? 1 : 0) | (modifiers & Qt::ControlModifier ? 2 : 0)
                  | (modifiers & Qt::AltModifier ? 4 : 0));
}

int toPixelPosition(double pixels)
{
    if (!std::isfinite(pixels) || std::fabs(pixels) > QWIDGETSIZE_MAX)
        raiseRuntimeError(RuntimeError::Overflow, QStringLiteral("position"));
    return int(std::lround(pixels));
}

} // namespace

PictureBox::PictureBox(QWidget *parent)
    : QFrame(parent)
{
    // The classic sunken border, two pixels wide.
    setFrameStyle(QFrame::WinPanel | QFrame::Sunken);
    setFocusPolicy(Qt::StrongFocus);
    m_client = new QWidget(this);
    m_client->setObjectName(QStringLiteral("clientArea"));
    m_client->setGeometry(contentsRect());
    m_client->installEventFilter(this);
}

QSizeF PictureBox::innerSize() const
{
    // From the frame's geometry, not the client's: before the box is first
    // shown its resize is still pending, and the dial is drawn before that.
    return contentsRect().size();
}

void PictureBox::resizeEvent(QResizeEvent *event)
{
    QFrame::resizeEvent(event);
    m_client->setGeometry(contentsRect());
}

float PictureBox::ScaleWidth() const
{
    return m_scaleWidth.value_or(float(innerSize().width() * TwipsPerPixel));
}

float PictureBox::ScaleHeight() const
{
    return m_scaleHeight.value_or(float(innerSize().height() * TwipsPerPixel));
}

void PictureBox::setScaleWidth(float width)
{
    if (!(width != 0.0f) || !std::isfinite(width))
        raiseRuntimeError(RuntimeError::Overflow, QStringLiteral("ScaleWidth"));
    m_scaleHeight = ScaleHeight(); // the other axis keeps its present scale
    m_scaleWidth = width;
}

void PictureBox::setScaleHeight(float height)
{
    if (!(height != 0.0f) || !std::isfinite(height))
        raiseRuntimeError(RuntimeError::Overflow, QStringLiteral("ScaleHeight"));
    m_scaleWidth = ScaleWidth();
    m_scaleHeight = height;
}

void PictureBox::setDrawWidth(int pixels)
{
    if (pixels < 1 || pixels > 32767)
        raiseRuntimeError(RuntimeError::Overflow, QStringLiteral("DrawWidth"));
    m_drawWidth = pixels;
}

QPointF PictureBox::toPixels(QPointF user) const
{
    const QSizeF inner = innerSize();
    return {user.x() * inner.width() / ScaleWidth(), user.y() * inner.height() / ScaleHeight()};
}

QPointF PictureBox::toUser(QPointF pixels) const
{
    const QSizeF inner = innerSize();
    return {pixels.x() * ScaleWidth() / inner.width(), pixels.y() * ScaleHeight() / inner.height()};
}

void PictureBox::PSet(float x, float y)
{
    const QPointF centre = toPixels(QPointF(x, y));
    if (!std::isfinite(centre.x()) || !std::isfinite(centre.y()))
        raiseRuntimeError(RuntimeError::Overflow, QStringLiteral("PSet"));
    m_dots.append({centre, m_drawWidth, palette().color(QPalette::WindowText)});
    const qreal reach = m_drawWidth / 2.0 + 1;
    m_client->update(QRectF(centre - QPointF(reach, reach), QSizeF(2 * reach, 2 * reach)).toAlignedRect());
}

void PictureBox::setChildLeft(QWidget &child, float left) const
{
    child.move(toPixelPosition(toPixels(QPointF(left, 0)).x()), child.y());
}

void PictureBox::setChildTop(QWidget &child, float top) const
{
    child.move(child.x(), toPixelPosition(toPixels(QPointF(0, top)).y()));
}

float PictureBox::childWidth(const QWidget &child) const
{
    return float(child.width() * ScaleWidth() / innerSize().width());
}

bool PictureBox::eventFilter(QObject *watched, QEvent *event)
{
    if (watched == m_client && event->type() == QEvent::Paint)
        paintDots();
    return QFrame::eventFilter(watched, event);
}

void PictureBox::paintDots()
{
    if (m_dots.isEmpty())
        return;

    QPainter painter(m_client);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    for (const Dot &dot : std::as_const(m_dots)) {
        painter.setBrush(dot.colour);
        if (dot.width == 1) {
            painter.drawRect(QRectF(std::floor(dot.centre.x()), std::floor(dot.centre.y()), 1, 1));
        } else {
            const qreal r = dot.width / 2.0;
            painter.drawEllipse(dot.centre, r, r);
        }
    }
}

void PictureBox::mousePressEvent(QMouseEvent *event)
{
    // The box takes every press that reaches it; those on the border are
    // not on the drawing surface and choose nothing.
    event->accept();
    const QPointF position = event->position() - contentsRect().topLeft();
    if (!QRect(QPoint(0, 0), innerSize().toSize()).contains(position.toPoint()))
        return;
    const QPointF user = toUser(position);
    emit MouseDown(buttonCode(event->button()), shiftCode(event->modifiers()), float(user.x()), float(user.y()));
}

void PictureBox::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is a double click, not another
    // press: it does not choose again.
    event->accept();
}

} // namespace forms
