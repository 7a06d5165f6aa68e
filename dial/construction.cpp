#include "dial/construction.h"

#include "dial/dialgeometry.h"

#include <QtMath>

#include <cmath>

using namespace Qt::StringLiterals;

namespace dial {

namespace {

// The compass opened a little wider than the circle for the bisector's
// arcs: wide enough that they cross, narrow enough that they cross inside
// the dial.
constexpr double BisectorOpening = 1.25;
// How far a compass sweeps past the points its arc finds, in degrees.
constexpr double ArcMargin = 10;
// How far a straightedge line reaches past the circle.
constexpr double LineReach = 40;

QPointF unit(QPointF v)
{
    return v / std::hypot(v.x(), v.y());
}

// The direction of `to` from `from`, counterclockwise from 3 o'clock with
// y downward, 0 <= a < 360.
double direction(QPointF from, QPointF to)
{
    const double degrees = qRadiansToDegrees(std::atan2(from.y() - to.y(), to.x() - from.x()));
    return degrees < 0 ? degrees + 360 : degrees;
}

// The compass at `circle`'s centre, swept the short way across `p` and `q`.
ConstructionStep::Arc arcAcross(const Circle &circle, QPointF p, QPointF q)
{
    double from = direction(circle.centre, p);
    double sweep = std::fmod(direction(circle.centre, q) - from + 360, 360);
    if (sweep > 180) {
        from = direction(circle.centre, q);
        sweep = 360 - sweep;
    }
    return {circle, from - ArcMargin, sweep + 2 * ArcMargin};
}

// The straightedge through `p` and `q`, reaching past both.
ConstructionStep::Segment lineThrough(QPointF p, QPointF q)
{
    const QPointF along = unit(q - p) * LineReach;
    return {p - along, q + along};
}

} // namespace

std::optional<std::array<QPointF, 2>> intersections(const Circle &first, const Circle &second)
{
    const QPointF between = second.centre - first.centre;
    const double d = std::hypot(between.x(), between.y());
    if (d == 0 || d > first.radius + second.radius || d < std::fabs(first.radius - second.radius))
        return std::nullopt;
    const double along = (first.radius * first.radius - second.radius * second.radius + d * d) / (2 * d);
    const double across = std::sqrt(std::max(0.0, first.radius * first.radius - along * along));
    const QPointF foot = first.centre + between * (along / d);
    const QPointF left = QPointF(between.y(), -between.x()) * (across / d);
    return std::array<QPointF, 2>{foot + left, foot - left};
}

std::optional<std::array<QPointF, 2>> intersections(const Line &line, const Circle &circle)
{
    const QPointF u = unit(line.b - line.a);
    const QPointF foot = line.a + u * QPointF::dotProduct(circle.centre - line.a, u);
    const QPointF off = circle.centre - foot;
    const double squared = circle.radius * circle.radius - QPointF::dotProduct(off, off);
    if (squared < 0)
        return std::nullopt;
    const double half = std::sqrt(squared);
    return std::array<QPointF, 2>{foot - u * half, foot + u * half};
}

QList<ConstructionStep> construction(QPointF centre, double radius)
{
    QList<ConstructionStep> steps;
    // Every circle and line below meets where the construction needs it:
    // its points always exist.
    const auto meet = [](const auto &a, const auto &b) { return *intersections(a, b); };

    // 1. The compass at the centre, opened to the point of 12: the circle.
    const QPointF twelve = centre - QPointF(0, radius);
    const Circle hours{centre, radius};
    steps.append({u"пергелът в центъра, отворен до точката на 12, описва окръжността на часовете."_s,
                  {{hours, TwelveOClock, FullTurn}}, {}, {{twelve, 12}}, {}});

    // 2. The straightedge through 12 and the centre: 6, across.
    const QPointF six = meet(Line{twelve, centre}, hours)[1];
    steps.append({u"линийката през 12 и центъра дава вертикалния диаметър; той засича окръжността в 6."_s,
                  {}, {lineThrough(twelve, six)}, {{six, 6}}, {}});

    // 3. The perpendicular bisector of 12-6: two arcs of one opening from
    // 12 and from 6, and the line through their crossings: 9 and 3.
    const Circle fromTwelve{twelve, radius * BisectorOpening};
    const Circle fromSix{six, radius * BisectorOpening};
    const auto [east, west] = meet(fromTwelve, fromSix);
    const auto [nine, three] = meet(Line{west, east}, hours);
    steps.append({u"дъги от 12 и от 6 с равен радиус, по-голям от радиуса на окръжността; "
                  u"правата през пресечните им точки засича окръжността в 9 и 3."_s,
                  {arcAcross(fromTwelve, west, east), arcAcross(fromSix, west, east)},
                  {lineThrough(nine, three)},
                  {{nine, 9}, {three, 3}},
                  {}});

    // 4 to 6. The compass kept at the circle's radius: a chord as long as
    // the radius spans 60°, so from each point found it finds two more.
    const auto fromPoint = [&](QPointF point, int leftHour, int rightHour, QList<ConstructionStep::Found> &found,
                               QList<ConstructionStep::Arc> &arcs) {
        const Circle compass{point, radius};
        const auto [left, right] = meet(hours, compass);
        found << ConstructionStep::Found{left, leftHour} << ConstructionStep::Found{right, rightHour};
        arcs << arcAcross(compass, left, right);
    };
    ConstructionStep atTwelve{u"пергелът в 12, с радиуса на окръжността, засича окръжността в 10 и 2."_s, {}, {}, {}, {}};
    fromPoint(twelve, 10, 2, atTwelve.found, atTwelve.arcs);
    steps.append(atTwelve);
    ConstructionStep atSix{u"пергелът в 6, с радиуса на окръжността, засича окръжността в 4 и 8."_s, {}, {}, {}, {}};
    fromPoint(six, 4, 8, atSix.found, atSix.arcs);
    steps.append(atSix);
    ConstructionStep atThreeAndNine{
        u"пергелът в 3 засича окръжността в 1 и 5, а в 9 — в 7 и 11. Всички 12 точки са намерени."_s, {}, {}, {}, {}};
    fromPoint(three, 1, 5, atThreeAndNine.found, atThreeAndNine.arcs);
    fromPoint(nine, 7, 11, atThreeAndNine.found, atThreeAndNine.arcs);
    steps.append(atThreeAndNine);

    // 7. The sides: the 12-gon, and through every second, third and fourth
    // point the hexagon, the square and the triangle.
    constexpr auto angle = interiorAngle;
    steps.append({u"страните дават правилен 12-ъгълник с ъгъл (12 − 2)·180/12 = %1°; през всяка 2-ра точка — "
                  u"шестоъгълник (%2°), 3-та — квадрат (%3°), 4-та — триъгълник (%4°)."_s
                      .arg(angle(12))
                      .arg(angle(6))
                      .arg(angle(4))
                      .arg(angle(3)),
                  {}, {}, {},
                  {{12, 1, angle(12)}, {6, 2, angle(6)}, {4, 3, angle(4)}, {3, 4, angle(3)}}});
    return steps;
}

QString stepCaption(const ConstructionStep &step, int index, int count)
{
    return u"Стъпка %1 от %2: %3"_s.arg(index + 1).arg(count).arg(step.caption);
}

} // namespace dial
