#include "widgets/dialcanvas.h"

#include "widgets/dialaccessible.h"
#include "widgets/dialitemaccessible.h"
#include "widgets/dialoverlay.h"

#include <QContextMenuEvent>
#include <QKeyEvent>
#include <QMouseEvent>
#include <QPainter>

DialCanvas::DialCanvas(QWidget *parent)
    : QWidget(parent)
    , m_overlay(new DialOverlay(this))
{
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    static const bool accessible = (QAccessible::installFactory(&DialAccessible::factory), true);
    Q_UNUSED(accessible);
}

void DialCanvas::setCurrentItem(int index)
{
    m_currentItem = index;
    if (!hasFocus() || !QAccessible::isActive())
        return;
    auto *dial = dynamic_cast<DialAccessible *>(QAccessible::queryAccessibleInterface(this));
    if (DialItemAccessible *item = dial ? dial->item(index) : nullptr) {
        QAccessibleEvent focus(item, QAccessible::Focus);
        QAccessible::updateAccessibility(&focus);
    }
}

void DialCanvas::setDesignSize(QSize size)
{
    m_designSize = size;
    resize(size); // until a layout places it
    updateGeometry();
}

void DialCanvas::setBorderWidth(int pixels)
{
    m_borderWidth = pixels;
    placeAll();
    update();
}

qreal DialCanvas::zoom() const
{
    return m_designSize.isEmpty() ? 1.0 : qreal(width()) / m_designSize.width();
}

float DialCanvas::ScaleWidth() const
{
    return m_scale.width() > 0 ? float(m_scale.width()) : float(inner().width());
}

float DialCanvas::ScaleHeight() const
{
    return m_scale.height() > 0 ? float(m_scale.height()) : float(inner().height());
}

void DialCanvas::setScaleWidth(float units)
{
    setScale(QSizeF(units, ScaleHeight()));
}

void DialCanvas::setScaleHeight(float units)
{
    setScale(QSizeF(ScaleWidth(), units));
}

void DialCanvas::setScale(QSizeF units)
{
    // What lies on the canvas stays where it is; only its units change.
    const QTransform before = transform();
    m_scale = units;
    const QTransform toUnits = transform().inverted();
    for (Child &child : m_children)
        child.at = toUnits.map(before.map(child.at));
}

QTransform DialCanvas::transform() const
{
    const QRect area = inner();
    return QTransform::fromTranslate(area.x(), area.y()).scale(area.width() / ScaleWidth(), area.height() / ScaleHeight());
}

void DialCanvas::PSet(float x, float y)
{
    m_dots.append({QPointF(x, y), m_drawWidth});
    const QPointF centre = transform().map(QPointF(x, y));
    const qreal reach = m_drawWidth * zoom() / 2 + 1;
    update(QRectF(centre - QPointF(reach, reach), QSizeF(2 * reach, 2 * reach)).toAlignedRect());
}

int DialCanvas::dotAt(QPointF user) const
{
    const QPointF pixel = transform().map(user);
    for (int i = 0; i < m_dots.size(); ++i) {
        const QPointF off = pixel - transform().map(m_dots[i].centre);
        const qreal r = m_dots[i].width * zoom() / 2;
        if (QPointF::dotProduct(off, off) <= r * r)
            return i;
    }
    return -1;
}

void DialCanvas::setFigures(int layer, const QList<Figure> &figures)
{
    if (figures.isEmpty())
        m_figures.remove(layer);
    else
        m_figures.insert(layer, figures);
    m_figuresPicture = QPixmap();
    m_overlay->update();
}

QPixmap DialCanvas::figuresPicture()
{
    // Dashed and curved lines cost milliseconds to draw at a projector's
    // size; they are drawn once for each size and then only copied.
    const qreal ratio = devicePixelRatioF();
    if (m_figuresPicture.size() == size() * ratio && m_figuresPicture.devicePixelRatio() == ratio)
        return m_figuresPicture;
    m_figuresPicture = QPixmap(size() * ratio);
    m_figuresPicture.setDevicePixelRatio(ratio);
    m_figuresPicture.fill(Qt::transparent);
    QPainter painter(&m_figuresPicture);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(inner());
    painter.setFont(font());
    const QTransform toPixels = transform();
    for (const QList<Figure> &layer : std::as_const(m_figures)) {
        for (const Figure &figure : layer) {
            painter.setPen(QPen(figure.colour, figure.width * zoom(), figure.style, Qt::FlatCap, Qt::MiterJoin));
            if (figure.text.isEmpty())
                painter.drawPath(toPixels.map(figure.path));
            else
                painter.drawText(QRectF(toPixels.map(figure.at), QSizeF(size())), Qt::AlignLeft | Qt::AlignTop,
                                 figure.text);
        }
    }
    return m_figuresPicture;
}

void DialCanvas::placeChild(QWidget &child, QPointF user, QSize design)
{
    m_children.append({&child, user, design});
    placeAll();
    m_overlay->raise();
}

void DialCanvas::moveChild(QWidget &child, QPointF user)
{
    for (Child &each : m_children) {
        if (each.widget == &child) {
            each.at = user;
            place(each);
        }
    }
}

float DialCanvas::widthInUnits(const QWidget &child) const
{
    return float(child.width() * ScaleWidth() / inner().width());
}

void DialCanvas::place(const Child &child) const
{
    if (!child.widget)
        return;
    const QRect geometry(transform().map(child.at).toPoint(), (QSizeF(child.design) * zoom()).toSize());
    child.widget->setGeometry(geometry);
    // What reaches past the inner area is cut off there, not drawn over the border.
    if (inner().contains(geometry))
        child.widget->clearMask();
    else
        child.widget->setMask(inner().intersected(geometry).translated(-geometry.topLeft()));
}

void DialCanvas::placeAll()
{
    for (const Child &child : std::as_const(m_children))
        place(child);
}

void DialCanvas::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintBorder(painter);
    paintDots(painter);
}

void DialCanvas::paintFigures(QPainter &painter)
{
    if (m_figures.isEmpty())
        return;
    painter.drawPixmap(0, 0, figuresPicture());
    paintDots(painter);
}

void DialCanvas::paintDots(QPainter &painter) const
{
    painter.save();
    painter.setClipRect(inner());
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setPen(Qt::NoPen);
    // The program never sets a drawing colour: the dots take the theme's text colour.
    painter.setBrush(palette().color(QPalette::WindowText));
    const QTransform toPixels = transform();
    for (const Dot &dot : std::as_const(m_dots)) {
        const qreal r = dot.width * zoom() / 2;
        painter.drawEllipse(toPixels.map(dot.centre), r, r);
    }
    painter.restore();
}

void DialCanvas::paintBorder(QPainter &painter) const
{
    // A sunken panel of two rings, each half the border's width: the outer
    // one dark above and left, light below and right; the inner one in the
    // shadow and midlight colours.
    const int outer = (border() + 1) / 2;
    const int innerRing = border() / 2;
    const auto ring = [&](QRect r, int width, const QColor &topLeft, const QColor &bottomRight) {
        if (width <= 0)
            return;
        painter.fillRect(QRect(r.x(), r.y(), r.width() - width, width), topLeft);
        painter.fillRect(QRect(r.x(), r.y(), width, r.height() - width), topLeft);
        painter.fillRect(QRect(r.x(), r.bottom() - width + 1, r.width(), width), bottomRight);
        painter.fillRect(QRect(r.right() - width + 1, r.y(), width, r.height()), bottomRight);
    };
    const QPalette &colours = palette();
    ring(rect(), outer, colours.color(QPalette::Dark), colours.color(QPalette::Light));
    ring(rect().adjusted(outer, outer, -outer, -outer), innerRing, colours.color(QPalette::Shadow),
         colours.color(QPalette::Midlight));
}

void DialCanvas::resizeEvent(QResizeEvent *)
{
    placeAll();
    m_overlay->setGeometry(rect());
}

void DialCanvas::mousePressEvent(QMouseEvent *event)
{
    if (!inner().contains(event->position().toPoint())) {
        event->ignore(); // the border is not the dial
        return;
    }
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

void DialCanvas::keyPressEvent(QKeyEvent *event)
{
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        emit StepKey(+1);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        emit StepKey(-1);
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        emit AgainKey();
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void DialCanvas::contextMenuEvent(QContextMenuEvent *event)
{
    // A right press on the dial chooses an hour and nothing else; the menu
    // key asks the window for its menu.
    if (event->reason() == QContextMenuEvent::Mouse)
        event->accept();
    else
        event->ignore();
}
