#include "dial/dialgeometry.h"

#include <QtMath>

#include <cmath>

namespace dial {

namespace {

constexpr double HalfSector = SectorDegrees / 2;

} // namespace

double startAngle()
{
    const double interior = double(Hours - 2) / Hours * Pi;
    const double central = TwoPi / Hours;
    return (interior + central) / 2.0;
}

QPointF hourPoint(int hour, QPointF centre)
{
    const double theta = (hour * TwoPi) / Hours - startAngle();
    return {Radius * std::cos(theta) + centre.x(), Radius * std::sin(theta) + centre.y()};
}

double angle(float dx, float dy)
{
    if (dx == 0.0f) {
        if (dy == 0.0f)
            return 0.0;
        return dy > 0.0f ? 90.0 : 270.0;
    }

    const float quotient = dy / dx;
    double t = std::atan(double(quotient));
    if (dx < 0.0f && dy > 0.0f)
        t = Pi - std::fabs(t);
    else if (dx < 0.0f && dy < 0.0f)
        t = std::fabs(t) + Pi;
    else if (dx > 0.0f && dy < 0.0f)
        t = TwoPi - std::fabs(t);
    else if (dx < 0.0f) // on the axis, left of the centre
        t = Pi;
    return t * 180.0 / Pi;
}

double angleAt(QPointF point)
{
    return angle(float(point.x()) - float(Centre.x()), float(Centre.y()) - float(point.y()));
}

qint16 hourAt(double degrees)
{
    // Sector k covers (15 + 30(k - 1), 15 + 30k]; sector 0 wraps round
    // through 0. Going counterclockwise from 3 o'clock the hours run 3, 2, 1,
    // 12, 11, ... 4. The tests run in this order, a later match overriding an
    // earlier one, so 345 itself falls to 4.
    static constexpr qint16 counterclockwise[Hours] = {3, 2, 1, 12, 11, 10, 9, 8, 7, 6, 5, 4};

    qint16 hour = 0;
    if (degrees >= 360.0 - HalfSector || degrees <= HalfSector)
        hour = counterclockwise[0];
    for (int k = 1; k < Hours; ++k) {
        const double low = HalfSector + SectorDegrees * (k - 1);
        if (degrees > low && degrees <= low + SectorDegrees)
            hour = counterclockwise[k];
    }
    return hour;
}

std::array<double, Hours> sectorEdges()
{
    std::array<double, Hours> edges{};
    for (int k = 0; k < Hours; ++k)
        edges[k] = HalfSector + SectorDegrees * k;
    return edges;
}

std::array<double, 2> sectorEdgesOf(int hour)
{
    const auto turn = [](double degrees) { return std::fmod(degrees + 2 * FullTurn, FullTurn); };
    const double middle = TwelveOClock - SectorDegrees * hour;
    return {turn(middle - HalfSector), turn(middle + HalfSector)};
}

QPointF towards(QPointF from, double degrees, double length)
{
    const double radians = qDegreesToRadians(degrees);
    return from + QPointF(length * std::cos(radians), -length * std::sin(radians));
}

qint16 hourAfter(qint16 hour, int steps)
{
    if (hour == 0 && steps < 0)
        hour = Hours + 1; // counterclockwise from nothing starts at 12
    const int zeroBased = ((hour - 1 + steps) % Hours + Hours) % Hours;
    return qint16(zeroBased + 1);
}

} // namespace dial
