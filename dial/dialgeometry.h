#pragma once

#include <QPointF>
#include <QtGlobal>

#include <array>

// The dial's geometry, both ways: where each hour lies, and which hour lies
// in the direction of a press.
namespace dial {

// The program works with these decimal literals for pi, not the full
// double: every position and angle it shows is computed with them, and the
// residues they leave in the last digits are part of its output.
inline constexpr double Pi = 3.14159265358979;
inline constexpr double TwoPi = 6.28318530717958;

inline constexpr int Hours = 12;
// Directions in degrees, counterclockwise from 3 o'clock.
inline constexpr double FullTurn = 360;
inline constexpr double TwelveOClock = 90;
// Each hour's sector of directions, the regular 12-gon's central angle
// between the rays to two neighbouring hours; and the interior angle of a
// regular N-gon, (N - 2) * 180 / N, the 12-gon's among them.
inline constexpr double SectorDegrees = FullTurn / Hours;
constexpr double interiorAngle(int corners)
{
    return (corners - 2) * 180.0 / corners;
}
inline constexpr double InteriorDegrees = interiorAngle(Hours);
inline constexpr float Scale = 1000.0f;    // user units across the dial, both ways
inline constexpr qint16 Radius = 400;      // of the circle of hour points
inline constexpr int CentreDotWidth = 15;  // pixels
inline constexpr int HourDotWidth = 5;     // pixels
inline constexpr float MarkerLift = 10.0f; // a marker's top edge above its point

// The angle at which hour 1 is reached, less one step: the half-sum of the
// interior and central angles of a regular 12-gon, a quarter turn.
double startAngle();

// Where `hour` (1..12) lies on a dial centred at `centre`, in double
// precision; y grows downward, so 12 is above the centre and 3 to its right.
QPointF hourPoint(int hour, QPointF centre);

// The dial's centre, in dial units.
inline constexpr QPointF Centre{Scale / 2, Scale / 2};

// The point `length` units from `from` in the direction `degrees`,
// counterclockwise from 3 o'clock (y grows downward on the dial): how the
// figures drawn on the dial reach out.
QPointF towards(QPointF from, double degrees, double length);

// The direction of (dx, dy) in degrees, counterclockwise from 3 o'clock,
// 0 <= a < 360, with y pointing up. The centre itself (0, 0) counts as 0.
// The quotient dy / dx is taken in single precision and the arctangent in
// double.
double angle(float dx, float dy);

// The direction of `point` from the dial's centre, as a press there
// measures it: the offsets are taken in single precision.
double angleAt(QPointF point);

// The hour whose 30-degree sector holds `degrees`; each sector is open
// below and closed above, so a boundary belongs to the hour before it
// counterclockwise (15 gives 3, 345 gives 4).
qint16 hourAt(double degrees);

// The hour in the direction (dx, dy) from the dial's centre.
inline qint16 hourFor(float dx, float dy)
{
    return hourAt(angle(dx, dy));
}

// Counterclockwise from 3 o'clock, in degrees: the edges between the hours'
// sectors, 15, 45, ..., 345. A direction on an edge belongs to the hour
// before it counterclockwise.
std::array<double, Hours> sectorEdges();

// The two edges of `hour`'s sector, the lower first (counterclockwise from 3
// o'clock, 0 <= edge < 360): 45 and 75 for 1, 345 and 15 for 3.
std::array<double, 2> sectorEdgesOf(int hour);

// The hour `steps` hours clockwise from `hour` (counterclockwise for a
// negative count), round past 12. From no hour (0), one step clockwise is
// 1 and one counterclockwise is 12.
qint16 hourAfter(qint16 hour, int steps);

} // namespace dial
