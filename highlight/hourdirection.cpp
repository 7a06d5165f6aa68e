#include "highlight/hourdirection.h"

#include "app/dialgeometry.h"

#include <cmath>

namespace hourdirection {

double angle(float dx, float dy)
{
    using dial::Pi;
    using dial::TwoPi;

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

qint16 hourAt(double degrees)
{
    // Sector k (k = 0..11) covers (15 + 30(k - 1), 15 + 30k]; sector 0 wraps
    // round through 0. Going counterclockwise from 3 o'clock the hours run
    // 3, 2, 1, 12, 11, ... 4.
    static constexpr qint16 counterclockwise[12] = {3, 2, 1, 12, 11, 10, 9, 8, 7, 6, 5, 4};

    qint16 hour = 0;
    if (degrees >= 345.0 || degrees <= 15.0)
        hour = counterclockwise[0];
    for (int k = 1; k < 12; ++k) {
        const double low = 15.0 + 30.0 * (k - 1);
        if (degrees > low && degrees <= low + 30.0)
            hour = counterclockwise[k];
    }
    return hour;
}

} // namespace hourdirection
