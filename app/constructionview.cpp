#include "app/constructionview.h"

#include "app/modepanel.h"
#include "dial/dialgeometry.h"
#include "widgets/clockdial.h"

using namespace Qt::StringLiterals;

namespace {

// Compass arcs dark red, straightedge lines dark green, the points found
// ringed in cyan and labelled in dark green: none is the dots' colour or a
// colour of the teacher's view (white, black, yellow).
const QColor ArcColour(0x80, 0x00, 0x00);
const QColor LineColour(0x00, 0x50, 0x00);
const QColor RingColour(0x00, 0xFF, 0xFF);
const QColor LabelColour = LineColour;
// The polygons of the last step, each its own colour, over the strokes.
const QColor PolygonColours[] = {LineColour, QColor(0xFF, 0x00, 0xFF), RingColour, QColor(0xFF, 0x80, 0x00)};
constexpr qreal PolygonWidth = 3;

constexpr qreal StrokeWidth = 2; // pixels at 100 %
constexpr qreal RingWidth = 3;
constexpr double RingRadius = 18;           // dial units
const QPointF LabelOffset(20, -45);         // a label beside its ring, up and right
constexpr int DrawInMs = 600;               // a step's new strokes drawn in

QPainterPath arcPath(const dial::ConstructionStep::Arc &arc, double progress)
{
    const QPointF centre = arc.circle.centre;
    const double r = arc.circle.radius;
    QPainterPath path(dial::towards(centre, arc.from, r));
    path.arcTo(QRectF(centre - QPointF(r, r), QSizeF(2 * r, 2 * r)), arc.from, arc.sweep * progress);
    return path;
}

// The polyline through `points`, drawn `progress` of its length.
QPainterPath partOf(const QList<QPointF> &points, double progress)
{
    QPainterPath whole(points.first());
    for (qsizetype i = 1; i < points.size(); ++i)
        whole.lineTo(points[i]);
    if (progress >= 1)
        return whole;
    QPainterPath part(points.first());
    const double reach = whole.length() * progress;
    double walked = 0;
    for (qsizetype i = 1; i < points.size() && walked < reach; ++i) {
        const QLineF side(points[i - 1], points[i]);
        const double take = std::min(side.length(), reach - walked);
        part.lineTo(side.pointAt(take / side.length()));
        walked += take;
    }
    return part;
}

ClockDial::Figure stroke(const QPainterPath &path, const QColor &colour, qreal width = StrokeWidth)
{
    return {path, colour, width, Qt::SolidLine, {}, {}};
}

} // namespace

ConstructionView::ConstructionView(ClockDial &dial, ModePanel &panel, QObject *parent)
    : QObject(parent)
    , m_dial(dial)
    , m_panel(panel)
    , m_steps(dial::construction(dial::Centre, dial::Radius))
    , m_found(dial::Hours)
{
    setObjectName(u"Construction"_s);
    for (const dial::ConstructionStep &step : m_steps) {
        for (const dial::ConstructionStep::Found &found : step.found)
            m_found[found.hour % dial::Hours] = found.at;
    }
    m_drawIn.setDuration(DrawInMs);
    m_drawIn.setStartValue(0.0);
    m_drawIn.setEndValue(1.0);
    connect(&m_drawIn, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) { draw(value.toDouble()); });
}

void ConstructionView::setShown(bool shown)
{
    m_shown = shown;
    if (shown) {
        showStep(0, true);
    } else {
        m_drawIn.stop();
        m_dial.setFigures(ClockDial::Layer::Construction, {});
    }
    m_panel.setVisible(shown);
}

void ConstructionView::next()
{
    if (m_shown && m_step + 1 < stepCount())
        showStep(m_step + 1, true);
}

void ConstructionView::previous()
{
    if (m_shown && m_step > 0)
        showStep(m_step - 1, false);
}

void ConstructionView::first()
{
    if (m_shown)
        showStep(0, false);
}

void ConstructionView::last()
{
    if (m_shown)
        showStep(stepCount() - 1, false);
}

void ConstructionView::showStep(int index, bool drawIn)
{
    m_step = index;
    const QString caption = dial::stepCaption(m_steps[index], index, stepCount());
    m_panel.setText(caption);
    m_panel.announce(caption);
    m_drawIn.stop();
    if (drawIn)
        m_drawIn.start(); // draws from 0 at once
    else
        draw(1);
}

void ConstructionView::draw(double progress)
{
    QList<ClockDial::Figure> strokes;
    QList<ClockDial::Figure> rings;
    for (int i = 0; i <= m_step; ++i) {
        const dial::ConstructionStep &step = m_steps[i];
        const double part = i == m_step ? progress : 1;
        for (const dial::ConstructionStep::Arc &arc : step.arcs)
            strokes << stroke(arcPath(arc, part), ArcColour);
        for (const dial::ConstructionStep::Segment &segment : step.segments)
            strokes << stroke(partOf({segment.from, segment.to}, part), LineColour);
        for (qsizetype p = 0; p < step.polygons.size(); ++p) {
            const dial::ConstructionStep::Polygon &polygon = step.polygons[p];
            QList<QPointF> corners;
            for (int k = 0; k <= polygon.corners; ++k)
                corners << m_found[(k * polygon.stride) % dial::Hours];
            strokes << stroke(partOf(corners, part), PolygonColours[p], PolygonWidth);
        }
        // A point is found once the strokes that find it are drawn.
        if (part < 1)
            continue;
        for (const dial::ConstructionStep::Found &found : step.found) {
            QPainterPath ring;
            ring.addEllipse(found.at, RingRadius, RingRadius);
            rings << stroke(ring, RingColour, RingWidth)
                  << ClockDial::Figure{{}, LabelColour, 1, Qt::SolidLine, QString::number(found.hour), found.at + LabelOffset};
        }
    }
    m_dial.setFigures(ClockDial::Layer::Construction, strokes + rings);
}
