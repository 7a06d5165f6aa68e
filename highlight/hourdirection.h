#pragma once

#include <QtGlobal>

namespace hourdirection {

// The direction of (dx, dy) in degrees, counterclockwise from 3 o'clock,
// 0 <= a < 360, with y pointing up. The centre itself (0, 0) counts as 0.
// The quotient dy / dx is taken in single precision and the arctangent in
// double, with the program's literal pi.
double angle(float dx, float dy);

// The hour whose 30-degree sector holds `degrees`; each sector is open
// below and closed above, so a boundary belongs to the hour before it
// counterclockwise (15 gives 3, 345 gives 4).
qint16 hourAt(double degrees);

// The hour in the direction (dx, dy) from the dial's centre.
inline qint16 hourFor(float dx, float dy)
{
    return hourAt(angle(dx, dy));
}

} // namespace hourdirection
