#pragma once

#include <QLocale>
#include <QString>

#include <array>

// What the teacher's view shows of the exercise's geometry: the twelve
// sectors that turn a direction into an hour, the two angles of the regular
// 12-gon, and how an angle is written.
namespace dial {

// Counterclockwise from 3 o'clock, in degrees: the edges between the hours'
// sectors, 15, 45, ..., 345. A direction on an edge belongs to the hour
// before it counterclockwise.
std::array<double, 12> sectorEdges();

// The two edges of `hour`'s sector, the lower first (counterclockwise from 3
// o'clock, 0 <= edge < 360): 45 and 75 for 1, 345 and 15 for 3.
std::array<double, 2> sectorEdgesOf(int hour);

// The regular 12-gon's central angle, between the rays to two neighbouring
// hours, and its interior angle, (N - 2) * 180 / N.
double centralAngle();
double interiorAngle();

// "a = 123,69°": two decimals with the locale's separator. Where two
// decimals would put the angle on a sector edge that it is not exactly on,
// it is written in the shortest form that reads back as the same double
// ("a = 45,00000000000004°"), which shows why it fell on its side.
QString angleText(double degrees, const QLocale &locale = QLocale());

} // namespace dial
