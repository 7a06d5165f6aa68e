#pragma once

#include <QSize>
#include <QSizeF>

#include <array>

// How big the window is drawn: the steps people know from viewers, and the
// largest uniform zoom that fits a given area.
namespace dial {

inline constexpr std::array<double, 8> ZoomSteps = {1.0, 1.25, 1.5, 1.75, 2.0, 2.5, 3.0, 4.0};

// The window's size at `zoom`: whole pixels, never less than the zoomed design.
QSize zoomedSize(QSize design, double zoom);

// The index of the largest step at which the window fits `available`; the
// first step, 100 %, even where nothing fits.
int largestZoomStep(QSize design, QSize available);

// The step `steps` steps away from `zoom` (positive: bigger, negative:
// smaller), stopping at the first and the last step.
double nextZoomStep(double zoom, int steps);

// The zoom a window opens at: 100 %, or less where the screen is too small
// for that, but never below `minimum`.
double startZoom(QSize design, QSize available, double minimum);

// The largest uniform zoom at which `design` fits `area`, so that the dial
// stays round; exactly the step for a window of a step's size.
double fittingZoom(QSize design, QSize area);

} // namespace dial
