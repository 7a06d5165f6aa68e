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
constexpr double PieceOverlap = 0.01;       // of a stroke's length

using Part = ConstructionView::Part;

QPainterPath arcPath(const dial::ConstructionStep::Arc &arc, Part part)
{
    const QPointF centre = arc.circle.centre;
    const double r = arc.circle.radius;
    const double start = arc.from + arc.sweep * part.from;
    QPainterPath path(dial::towards(centre, start, r));
    path.arcTo(QRectF(centre - QPointF(r, r), QSizeF(2 * r, 2 * r)), start, arc.sweep * (part.to - part.from));
    return path;
}

// The polyline through `points`, between two fractions of its length.
QPainterPath polylinePath(const QList<QPointF> &points, Part part)
{
    double length = 0;
    for (qsizetype i = 1; i < points.size(); ++i)
        length += QLineF(points[i - 1], points[i]).length();
    const double begin = length * part.from;
    const double end = length * part.to;
    QPainterPath path;
    double walked = 0;
    for (qsizetype i = 1; i < points.size() && walked < end; ++i) {
        const QLineF side(points[i - 1], points[i]);
        const double next = walked + side.length();
        if (next > begin) {
            const QPointF from = side.pointAt(std::max(0.0, begin - walked) / side.length());
            if (path.elementCount() == 0)
                path.moveTo(from);
            path.lineTo(side.pointAt(std::min(side.length(), end - walked) / side.length()));
        }
        walked = next;
    }
    return path;
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
    connect(&m_drawIn, &QVariantAnimation::valueChanged, this, [this](const QVariant &value) { drawIn(value.toDouble()); });
}

void ConstructionView::setShown(bool shown)
{
    if (shown) {
        m_wholeSteps = 0;
        m_piecesOf = -1;
        m_dial.setFigures(ClockDial::Layer::Construction, {});
        showStep(0, true);
    } else if (m_shown) {
        m_drawIn.stop();
        m_dial.setFigures(ClockDial::Layer::Construction, {});
        emit told(u"Построяването е изключено."_s);
    }
    m_shown = shown;
    m_panel.setVisible(shown);
}

void ConstructionView::next()
{
    if (!m_shown)
        return;
    if (m_step + 1 < stepCount())
        showStep(m_step + 1, true);
    else
        emit told(u"Това е последната стъпка."_s);
}

void ConstructionView::previous()
{
    if (!m_shown)
        return;
    if (m_step > 0)
        showStep(m_step - 1, false);
    else
        emit told(u"Това е първата стъпка."_s);
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
    // The steps before stay as they are, those missing added over them
    // (back, they are drawn anew); the new one is drawn in over them.
    const int whole = drawIn ? index : index + 1;
    if (m_wholeSteps > whole || m_piecesOf >= whole) {
        QList<ClockDial::Figure> done;
        for (int i = 0; i < whole; ++i)
            done += figures(m_steps[i], {}) + points(m_steps[i]);
        m_dial.setFigures(ClockDial::Layer::Construction, done);
    } else {
        for (int i = m_wholeSteps; i < whole; ++i)
            m_dial.addFigures(ClockDial::Layer::Construction, figures(m_steps[i], {}) + points(m_steps[i]));
    }
    m_wholeSteps = whole;
    m_piecesOf = -1;
    m_drawnTo = 0;
    if (drawIn)
        m_drawIn.start();
}

void ConstructionView::drawIn(double progress)
{
    // Each frame draws the piece of each stroke since the last one, a
    // little back over it so that no seam shows where two pieces meet.
    const Part piece{std::max(0.0, m_drawnTo - PieceOverlap), progress};
    if (progress > m_drawnTo) {
        m_dial.addFigures(ClockDial::Layer::Construction, figures(m_steps[m_step], piece));
        m_piecesOf = m_step;
    }
    m_drawnTo = progress;
    if (progress >= 1) {
        m_dial.addFigures(ClockDial::Layer::Construction, points(m_steps[m_step]));
        m_wholeSteps = m_step + 1;
        m_piecesOf = -1;
    }
}

QList<ClockDial::Figure> ConstructionView::figures(const dial::ConstructionStep &step, Part part) const
{
    QList<ClockDial::Figure> drawn;
    for (const dial::ConstructionStep::Arc &arc : step.arcs)
        drawn << stroke(arcPath(arc, part), ArcColour);
    for (const dial::ConstructionStep::Segment &segment : step.segments)
        drawn << stroke(polylinePath({segment.from, segment.to}, part), LineColour);
    for (qsizetype p = 0; p < step.polygons.size(); ++p) {
        const dial::ConstructionStep::Polygon &polygon = step.polygons[p];
        QList<QPointF> corners;
        for (int k = 0; k <= polygon.corners; ++k)
            corners << m_found[(k * polygon.stride) % dial::Hours];
        drawn << stroke(polylinePath(corners, part), PolygonColours[p], PolygonWidth);
    }
    return drawn;
}

QList<ClockDial::Figure> ConstructionView::points(const dial::ConstructionStep &step)
{
    QList<ClockDial::Figure> drawn;
    for (const dial::ConstructionStep::Found &found : step.found) {
        QPainterPath ring;
        ring.addEllipse(found.at, RingRadius, RingRadius);
        drawn << stroke(ring, RingColour, RingWidth)
              << ClockDial::Figure{{}, LabelColour, 1, Qt::SolidLine, QString::number(found.hour), found.at + LabelOffset};
    }
    return drawn;
}
