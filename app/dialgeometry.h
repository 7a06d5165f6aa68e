#pragma once

#include <QPointF>

namespace dial {

// The program works with these decimal literals for pi, not the full
// double: every position and angle it shows is computed with them, and the
// residues they leave in the last digits are part of its output.
inline constexpr double Pi = 3.14159265358979;
inline constexpr double TwoPi = 6.28318530717958;

inline constexpr int Hours = 12;
inline constexpr float Scale = 1000.0f;   // user units across the dial
inline constexpr qint16 Radius = 400;      // of the circle of hour points
inline constexpr float MarkerLift = 10.0f; // a marker's top edge above its point

// The angle at which hour 1 is reached, less one step: the half-sum of the
// interior and central angles of a regular 12-gon, a quarter turn.
double startAngle();

// Where hour `hour` (1..12) lies on a dial centred at `centre`, in double
// precision; y grows downward, so 12 is above the centre and 3 to its right.
QPointF hourPoint(int hour, QPointF centre);

} // namespace dial
