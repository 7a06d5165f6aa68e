#include "app/dialgeometry.h"

#include <cmath>

namespace dial {

double startAngle()
{
    const double interior = 10.0 / 12.0 * Pi; // (N - 2) / N * pi
    const double central = TwoPi / Hours;
    return (interior + central) / 2.0;
}

QPointF hourPoint(int hour, QPointF centre)
{
    const double theta = (hour * TwoPi) / Hours - startAngle();
    return {Radius * std::cos(theta) + centre.x(), Radius * std::sin(theta) + centre.y()};
}

} // namespace dial
