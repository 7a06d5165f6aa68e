#include "widgets/clockdial.h"

#include "dial/dialgeometry.h"
#include "widgets/designlayout.h"
#include "widgets/dialoverlay.h"
#include "widgets/newsfeed.h"

#include <QAccessible>
#include <QContextMenuEvent>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLabel>
#include <QMessageBox>
#include <QMouseEvent>
#include <QPainter>
#include <QTimer>
#include <QtMath>

#include <algorithm>
#include <cstdio>

using namespace Qt::StringLiterals;

namespace {

constexpr int TickMs = 100;
constexpr int CentreDot = 0;     // the first dot the dial draws
constexpr int BorderWidth = 2;   // a sunken panel, in pixels at 100 %
constexpr QSize MarkerPictureSize{32, 32}; // logical pixels at 100 %
const QSize MarkerSize = twips(0, 0, 495, 495).size();
const QRect NumeralRect = twips(600, 0, 495, 375); // where the numeral waits, in the inner area

} // namespace

ClockDial::ClockDial(QSize design, QWidget *parent)
    : QWidget(parent)
    , m_designSize(design)
    , m_overlay(new DialOverlay(this))
{
    setObjectName(u"Picture1"_s);
    setAccessibleName(u"Циферблат"_s);
    setAutoFillBackground(true);
    setFocusPolicy(Qt::StrongFocus);
    resize(design); // until a layout places it: the places below are taken at 100 %

    m_timer = new QTimer(this);
    m_timer->setObjectName(u"Timer1"_s);
    m_timer->setInterval(TickMs);
    // Coarse timers may fire 5% early or late; the highlight counts ticks,
    // so each one must keep its period.
    m_timer->setTimerType(Qt::PreciseTimer);
    connect(m_timer, &QTimer::timeout, this, &ClockDial::tick);

    m_markerPattern = makeMarker(u"Picture3(0)"_s);
    m_children.append({m_markerPattern, QPointF(0, 0), MarkerSize});
    m_numeral = new QLabel(u"0"_s, this);
    m_numeral->setObjectName(u"Label2(0)"_s);
    m_numeral->setAlignment(Qt::AlignLeft | Qt::AlignTop);
    m_numeral->setAutoFillBackground(true); // on the dial's own colour
    QPalette black = m_numeral->palette();
    black.setColor(QPalette::WindowText, Qt::black);
    m_numeral->setPalette(black);
    m_numeral->setAttribute(Qt::WA_NoMousePropagation); // a press on it is its own, not the dial's
    m_numeral->hide();
    m_children.append({m_numeral, transform().inverted().map(QPointF(NumeralRect.topLeft() + QPoint(border(), border()))),
                       NumeralRect.size()});

    DrawDial();
    placeAll();
    m_overlay->raise();
}

// The centre dot, then each hour's point; each hour's place is kept as
// text, and beside each point waits its hidden marker.
void ClockDial::DrawDial()
{
    const QPointF centre(dial::Scale / 2, dial::Scale / 2);
    PSet(centre, dial::CentreDotWidth);
    // The marker's width in dial units, at the size the places are taken.
    const float markerWidth = MarkerSize.width() * dial::Scale / float(inner().width());
    for (int hour = 1; hour <= dial::Hours; ++hour) {
        const QPointF point = dial::hourPoint(hour, centre);
        PSet(point, dial::HourDotWidth);
        m_places[hour - 1] = dial::PointText::of(point);

        QLabel *marker = makeMarker(u"Picture3(%1)"_s.arg(hour));
        const float top = float(point.y() - dial::MarkerLift);
        const float left = float(point.x() - markerWidth);
        m_children.append({marker, QPointF(left, top), MarkerSize});
        m_markers[hour - 1] = marker;
        // A screen reader finds each hour on the dial, by its name and numeral.
        m_items.append({dial::hourName(hour), point});
    }
}

void ClockDial::PSet(QPointF at, int width)
{
    m_dots.append({at, width});
}

void ClockDial::mousePressEvent(QMouseEvent *event)
{
    if (!inner().contains(event->position().toPoint())) {
        event->ignore(); // the border is not the dial
        return;
    }
    event->accept();
    const QPointF at = transform().inverted().map(event->position());
    // The centre dot points nowhere: where the dial is told so, a press on
    // it is no choice.
    if (m_centrePressIgnored && dotAt(at) == CentreDot)
        return;
    const double degrees = dial::angleAt(at);
    choose(dial::hourAt(degrees), degrees, true);
}

void ClockDial::keyPressEvent(QKeyEvent *event)
{
    // The keys choose as a press does: the arrows step from hour to hour,
    // clockwise (Right, Down) or back (Left, Up), Home and End go to the
    // first and the last hour, as in the list, and Space or Enter picks the
    // hour shown, as a practice answer.
    const int hour = m_highlight.SelectedHour;
    switch (event->key()) {
    case Qt::Key_Right:
    case Qt::Key_Down:
        chooseHour(dial::hourAfter(qint16(hour), +1), false);
        break;
    case Qt::Key_Left:
    case Qt::Key_Up:
        chooseHour(dial::hourAfter(qint16(hour), -1), false);
        break;
    case Qt::Key_Home:
        chooseHour(1, false);
        break;
    case Qt::Key_End:
        chooseHour(dial::Hours, false);
        break;
    case Qt::Key_Space:
    case Qt::Key_Return:
    case Qt::Key_Enter:
        if (hour != 0)
            chooseHour(hour, true);
        break;
    default:
        QWidget::keyPressEvent(event);
    }
}

void ClockDial::chooseHour(int hour, bool answers)
{
    if (hour < 1 || hour > dial::Hours)
        return;
    // The same direction as a press at the hour's point.
    choose(hour, dial::angleAt(dial::hourPoint(hour, dial::Centre)), answers);
}

void ClockDial::choose(int hour, double degrees, bool answers)
{
    setCurrentItem(hour - 1); // a screen reader says the hour, then what the modes add
    emit hourChosen(hour, degrees, answers);
    NewsFeed::tell(currentItemText());
    startHighlight(hour);
}

QString ClockDial::currentItemText() const
{
    if (m_currentItem < 0)
        return {};
    const QString &name = m_items.at(m_currentItem).name;
    return m_currentItemDetail.isEmpty() ? name : name + "; "_L1 + m_currentItemDetail;
}

void ClockDial::startHighlight(int hour)
{
    for (QLabel *marker : m_markers)
        marker->setVisible(false);
    m_highlight.start(qint16(hour));
    // The picture is made when first shown, not at start.
    if (m_markerPictureNow.isNull())
        drawMarkers();
    // A running timer keeps its rhythm: holding an arrow key down then still
    // shows each hour passed over on the next tick.
    if (!m_timer->isActive())
        m_timer->start();
}

void ClockDial::tick()
{
    const int h = m_highlight.SelectedHour;
    if (h < 1 || h > dial::Hours) {
        m_timer->stop(); // nothing chosen: nothing to show
        return;
    }
    const dial::PointText &place = m_places[h - 1];
    const std::optional<QPointF> at = place.read();
    if (!at) {
        fail(u"Вътрешна грешка: мястото на час %1 („%2“, „%3“) не е число. Програмата ще бъде затворена."_s.arg(h).arg(
            place.x, place.y));
        return;
    }

    const bool last = m_highlight.tick();
    m_markers[h - 1]->setVisible(true);
    moveChild(*m_numeral, *at);
    m_numeral->setText(dial::numeral(h));
    m_numeral->setVisible(true);

    if (last) {
        m_markers[h - 1]->setVisible(false);
        m_timer->stop();
        m_numeral->setVisible(false);
        emit highlightEnded();
    }
}

void ClockDial::fail(const QString &message)
{
    m_timer->stop();
    std::fprintf(stderr, "ravelinta: %s\n", qPrintable(message));
    const QString platform = QGuiApplication::platformName();
    if (platform != "offscreen"_L1 && platform != "minimal"_L1)
        QMessageBox::critical(this, u"Ravelinta"_s, message);
    QCoreApplication::exit(1);
}

void ClockDial::setCurrentItem(int index)
{
    m_currentItem = index;
    if (!hasFocus() || !QAccessible::isActive())
        return;
    // The item chosen takes the focus, as a list's row does.
    QAccessibleEvent focus(this, QAccessible::Focus);
    focus.setChild(index);
    QAccessible::updateAccessibility(&focus);
}

QLabel *ClockDial::makeMarker(const QString &name)
{
    auto *marker = new QLabel(this);
    marker->setObjectName(name);
    marker->setAlignment(Qt::AlignCenter);
    marker->setAttribute(Qt::WA_NoMousePropagation);
    marker->setAccessibleName(u"Маркер на избрания час"_s);
    marker->setPixmap(m_markerPictureNow);
    marker->hide();
    return marker;
}

void ClockDial::setMarkerPicture(QIcon (*make)())
{
    m_makeMarkerPicture = make;
}

void ClockDial::drawMarkers()
{
    if (m_markerPicture.isNull() && m_makeMarkerPicture)
        m_markerPicture = m_makeMarkerPicture();
    m_markerPictureNow = m_markerPicture.pixmap(MarkerPictureSize * zoom(), devicePixelRatioF());
    m_markerPattern->setPixmap(m_markerPictureNow);
    for (QLabel *marker : m_markers)
        marker->setPixmap(m_markerPictureNow);
}

qreal ClockDial::zoom() const
{
    return m_designSize.isEmpty() ? 1.0 : qreal(width()) / m_designSize.width();
}

int ClockDial::border() const
{
    return qRound(BorderWidth * zoom());
}

QRect ClockDial::inner() const
{
    return rect().adjusted(border(), border(), -border(), -border());
}

QTransform ClockDial::transform() const
{
    const QRect area = inner();
    return QTransform::fromTranslate(area.x(), area.y())
        .scale(area.width() / dial::Scale, area.height() / dial::Scale);
}

int ClockDial::dotAt(QPointF units) const
{
    const QPointF pixel = transform().map(units);
    for (int i = 0; i < m_dots.size(); ++i) {
        const QPointF off = pixel - transform().map(m_dots[i].centre);
        const qreal r = m_dots[i].width * zoom() / 2;
        if (QPointF::dotProduct(off, off) <= r * r)
            return i;
    }
    return -1;
}

void ClockDial::moveChild(QWidget &child, QPointF at)
{
    for (Child &each : m_children) {
        if (each.widget == &child) {
            each.at = at;
            place(each);
        }
    }
}

void ClockDial::place(const Child &child) const
{
    const QRect geometry(transform().map(child.at).toPoint(), (QSizeF(child.design) * zoom()).toSize());
    child.widget->setGeometry(geometry);
    // What reaches past the inner area is cut off there, not drawn over the border.
    if (inner().contains(geometry))
        child.widget->clearMask();
    else
        child.widget->setMask(inner().intersected(geometry).translated(-geometry.topLeft()));
}

void ClockDial::placeAll()
{
    for (const Child &child : std::as_const(m_children))
        place(child);
}

void ClockDial::setFigures(Layer layer, const QList<Figure> &figures)
{
    m_figures.insert(layer, figures);
    m_figuresDrawn = false;
    m_overlay->update();
}

void ClockDial::addFigures(Layer layer, const QList<Figure> &figures)
{
    m_figures[layer] += figures;
    // Drawn over what the picture holds, rather than the picture drawn anew
    // (the newest figures lie on top either way), and only where they lie is
    // shown again: a stroke drawn in piece by piece costs a piece a frame.
    if (m_figuresDrawn && figuresPictureFits()) {
        QPainter painter(&m_figuresPicture);
        drawFigures(painter, figures);
    }
    m_overlay->update(bounds(figures));
}

bool ClockDial::figuresPictureFits() const
{
    const qreal ratio = devicePixelRatioF();
    return m_figuresPicture.size() == size() * ratio && m_figuresPicture.devicePixelRatio() == ratio;
}

const QImage &ClockDial::figuresPicture()
{
    // Dashed and curved lines cost milliseconds to draw at a projector's
    // size; they are drawn once for each size and then only copied.
    if (m_figuresDrawn && figuresPictureFits())
        return m_figuresPicture;
    if (!figuresPictureFits()) {
        m_figuresPicture = QImage(size() * devicePixelRatioF(), QImage::Format_ARGB32_Premultiplied);
        m_figuresPicture.setDevicePixelRatio(devicePixelRatioF());
    }
    m_figuresPicture.fill(Qt::transparent);
    QPainter painter(&m_figuresPicture);
    for (const QList<Figure> &layer : std::as_const(m_figures))
        drawFigures(painter, layer);
    m_figuresDrawn = true;
    return m_figuresPicture;
}

void ClockDial::drawFigures(QPainter &painter, const QList<Figure> &figures) const
{
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setClipRect(inner());
    painter.setFont(font());
    const QTransform toPixels = transform();
    for (const Figure &figure : figures) {
        painter.setPen(QPen(figure.colour, figure.width * zoom(), figure.style, Qt::FlatCap, Qt::MiterJoin));
        if (figure.text.isEmpty())
            painter.drawPath(toPixels.map(figure.path));
        else
            painter.drawText(QRectF(toPixels.map(figure.at), QSizeF(size())), Qt::AlignLeft | Qt::AlignTop, figure.text);
    }
}

QRect ClockDial::bounds(const QList<Figure> &figures) const
{
    QRect area;
    for (const Figure &figure : figures) {
        if (!figure.text.isEmpty())
            return rect(); // a text reaches as far as its font does
        const int reach = qCeil(figure.width * zoom() / 2) + 1;
        area |= transform().mapRect(figure.path.boundingRect()).toAlignedRect().adjusted(-reach, -reach, reach, reach);
    }
    return area;
}

void ClockDial::paintEvent(QPaintEvent *)
{
    QPainter painter(this);
    paintBorder(painter);
    paintDots(painter);
}

void ClockDial::paintFigures(QPainter &painter, QRect area)
{
    if (std::all_of(m_figures.cbegin(), m_figures.cend(), [](const QList<Figure> &layer) { return layer.isEmpty(); }))
        return;
    const QImage &picture = figuresPicture();
    const qreal ratio = picture.devicePixelRatio();
    painter.drawImage(area, picture, QRectF(QPointF(area.topLeft()) * ratio, QSizeF(area.size()) * ratio));
    paintDots(painter);
}

void ClockDial::paintDots(QPainter &painter) const
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

void ClockDial::paintBorder(QPainter &painter) const
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

void ClockDial::resizeEvent(QResizeEvent *)
{
    placeAll();
    m_overlay->setGeometry(rect());
    if (!m_markerPictureNow.isNull())
        drawMarkers(); // at the new zoom
}

void ClockDial::mouseDoubleClickEvent(QMouseEvent *event)
{
    // The second press of a double click is a double click, not another
    // press: it does not choose again.
    event->accept();
}

void ClockDial::contextMenuEvent(QContextMenuEvent *event)
{
    // A right press on the dial chooses an hour and nothing else; the menu
    // key asks the window for its menu.
    if (event->reason() == QContextMenuEvent::Mouse)
        event->accept();
    else
        event->ignore();
}
