#include "app/teacherview.h"

#include "dial/dialgeometry.h"
#include "dial/numbertext.h"
#include "widgets/clockdial.h"


#include <algorithm>

using namespace Qt::StringLiterals;
using dial::Centre;
using dial::towards;

namespace {

// Lines white and texts black on the dial's blue: 3.3:1 and 6.4:1; the
// chosen sector's edges yellow, to stand out over the black direction.
constexpr Qt::GlobalColor LineColour = Qt::white;
constexpr Qt::GlobalColor TextColour = Qt::black;
constexpr Qt::GlobalColor ChosenEdgeColour = Qt::yellow;
constexpr qreal FigureWidth = 2;  // pixels at 100 %
constexpr qreal EdgeWidth = 1;
constexpr double RayLength = 480; // dial units, to near the dial's edge
constexpr double DirectionArc = 70;
constexpr double EdgeLabelReach = 430;                 // dial units from the centre
const QPointF EdgeLabelOffset(-25, -20);               // a label centred on its point, about
constexpr double CentralArc = 120;
constexpr double InteriorArc = 50;
const QPointF CentralLabel(545, 300); // between the rays to 12 and 1
const QPointF InteriorLabel(350, 150); // beside hour 12's corner, inside
const QPointF AngleLabel(20, 20);      // the dial's top-left corner
constexpr double BelowAngleLabel = 90; // dial units: where a label clear of the angle's text may begin


QPainterPath arc(QPointF centre, double radius, double from, double sweep)
{
    QPainterPath path(towards(centre, from, radius));
    path.arcTo(QRectF(centre - QPointF(radius, radius), QSizeF(2 * radius, 2 * radius)), from, sweep);
    return path;
}

ClockDial::Figure line(const QPainterPath &path, const QColor &colour, qreal width,
                        Qt::PenStyle style = Qt::SolidLine)
{
    return {path, colour, width, style, {}, {}};
}

ClockDial::Figure text(const QString &text, QPointF at)
{
    return {{}, TextColour, 1, Qt::SolidLine, text, at};
}

} // namespace

TeacherView::TeacherView(ClockDial &dial, QObject *parent)
    : QObject(parent)
    , m_dial(dial)
{
    connect(&dial, &ClockDial::hourChosen, this, [this](int, double degrees) { chose(degrees); });
}

void TeacherView::setShown(bool shown)
{
    m_shown = shown;
    draw();
    emit told(shown ? u"Учителският изглед е включен."_s : u"Учителският изглед е изключен."_s);
}

void TeacherView::chose(double degrees)
{
    m_degrees = degrees;
    if (m_shown)
        draw();
}

void TeacherView::forgetChoice()
{
    m_degrees.reset();
    if (m_shown)
        draw();
}

void TeacherView::draw()
{
    const QString angle = m_degrees ? dial::angleText(*m_degrees) : QString();
    // The angle is told with the hour it chose.
    m_dial.setCurrentItemDetail(m_shown ? angle : QString());
    QList<ClockDial::Figure> figures;
    if (!m_shown) {
        m_dial.setFigures(ClockDial::Layer::TeacherView, figures);
        return;
    }
    // The regular 12-gon: its sides join the hour points in order.
    QPainterPath polygon(dial::hourPoint(dial::Hours, Centre));
    for (int hour = 1; hour <= dial::Hours; ++hour)
        polygon.lineTo(dial::hourPoint(hour, Centre));
    figures << line(polygon, LineColour, FigureWidth);

    // The sector edges, where one hour's directions end and the next one's begin.
    QPainterPath edges;
    for (const double edge : dial::sectorEdges()) {
        edges.moveTo(Centre);
        edges.lineTo(towards(Centre, edge, RayLength));
    }
    figures << line(edges, LineColour, EdgeWidth, Qt::DashLine);

    // The central angle between the rays to 12 and 1, and the interior
    // angle at 12's corner, between its sides to 11 and 1.
    const QPointF twelve = dial::hourPoint(12, Centre);
    const QPointF one = dial::hourPoint(1, Centre);
    const QPointF eleven = dial::hourPoint(11, Centre);
    QPainterPath central(Centre);
    central.lineTo(twelve);
    central.moveTo(Centre);
    central.lineTo(one);
    central.addPath(arc(Centre, CentralArc, dial::angleAt(one), dial::SectorDegrees));
    // The side from 12 to 11, as seen from 12's corner.
    const double towardsEleven = dial::angleAt(Centre + eleven - twelve);
    figures << line(central, LineColour, FigureWidth)
            << line(arc(twelve, InteriorArc, towardsEleven, dial::InteriorDegrees), LineColour, FigureWidth)
            << text(u"%1°"_s.arg(dial::SectorDegrees), CentralLabel)
            << text(u"%1°"_s.arg(dial::InteriorDegrees), InteriorLabel);

    // The last choice's direction and its angle, then the edges of the
    // sector it fell in, drawn over it with their angles: a direction just
    // past an edge is seen to be past it.
    if (m_degrees) {
        QPainterPath ray(Centre);
        ray.lineTo(towards(Centre, *m_degrees, RayLength));
        ray.addPath(arc(Centre, DirectionArc, 0, *m_degrees));
        figures << line(ray, TextColour, FigureWidth) << text(angle, AngleLabel);
        QPainterPath chosen;
        for (const double edge : dial::sectorEdgesOf(dial::hourAt(*m_degrees))) {
            chosen.moveTo(Centre);
            chosen.lineTo(towards(Centre, edge, RayLength));
            QPointF at = towards(Centre, edge, EdgeLabelReach) + EdgeLabelOffset;
            at.setY(std::max(at.y(), BelowAngleLabel)); // the edges near 12 o'clock, under the angle
            figures << text(dial::wholeDegreesText(edge), at);
        }
        figures << line(chosen, ChosenEdgeColour, FigureWidth, Qt::DashLine);
    }
    m_dial.setFigures(ClockDial::Layer::TeacherView, figures);
}
