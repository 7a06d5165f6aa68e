#include "dial/zoom.h"

#include <algorithm>
#include <cmath>

namespace dial {

QSize zoomedSize(QSize design, double zoom)
{
    return {int(std::ceil(design.width() * zoom)), int(std::ceil(design.height() * zoom))};
}

int largestZoomStep(QSize design, QSize available)
{
    int largest = 0;
    for (int step = 1; step < int(ZoomSteps.size()); ++step) {
        const QSize size = zoomedSize(design, ZoomSteps[step]);
        if (size.width() <= available.width() && size.height() <= available.height())
            largest = step;
    }
    return largest;
}

double nextZoomStep(double zoom, int steps)
{
    for (; steps > 0; --steps) {
        const auto next = std::find_if(ZoomSteps.begin(), ZoomSteps.end(), [&](double step) { return step > zoom; });
        zoom = next == ZoomSteps.end() ? ZoomSteps.back() : *next;
    }
    for (; steps < 0; ++steps) {
        const auto next = std::find_if(ZoomSteps.rbegin(), ZoomSteps.rend(), [&](double step) { return step < zoom; });
        zoom = next == ZoomSteps.rend() ? ZoomSteps.front() : *next;
    }
    return zoom;
}

double startZoom(QSize design, QSize available, double minimum)
{
    return std::clamp(fittingZoom(design, available), minimum, ZoomSteps.front());
}

double fittingZoom(QSize design, QSize area)
{
    // A window sized for a step, in whole pixels, is drawn at that very step.
    for (const double step : ZoomSteps) {
        if (zoomedSize(design, step) == area)
            return step;
    }
    return std::min(double(area.width()) / design.width(), double(area.height()) / design.height());
}

} // namespace dial
