#pragma once

#include <QRect>
#include <QtMath>

namespace forms {

// Design data is kept in twips, as the form designer wrote it. Fifteen twips
// make one logical pixel (1440 twips per inch at 96 dots per inch); Qt scales
// logical pixels to the screen, so this is the only conversion we need.
inline constexpr int TwipsPerPixel = 15;

inline int twipsToPixels(int twips)
{
    return qRound(double(twips) / TwipsPerPixel);
}

inline QRect twipsToPixels(const QRect &twips)
{
    return {twipsToPixels(twips.left()), twipsToPixels(twips.top()),
            twipsToPixels(twips.width()), twipsToPixels(twips.height())};
}

} // namespace forms
