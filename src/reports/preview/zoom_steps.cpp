#include "reports/preview/zoom_steps.h"

#include <algorithm>

namespace reports {
namespace {

constexpr double kStepTolerance = 0.001;

}  // namespace

double clampZoom(double percent) {
    return std::clamp(percent, kMinZoom, kMaxZoom);
}

const std::vector<double>& zoomSteps() {
    static const std::vector<double> steps = {10,  25,  50,  75,  100, 125, 150,
                                              175, 200, 250, 300, 400, 500};
    return steps;
}

double zoomInStep(double percent) {
    for (const double step : zoomSteps()) {
        if (step > percent + kStepTolerance)
            return step;
    }
    return clampZoom(percent);
}

double zoomOutStep(double percent) {
    const auto& steps = zoomSteps();
    for (auto it = steps.rbegin(); it != steps.rend(); ++it) {
        if (*it < percent - kStepTolerance)
            return *it;
    }
    return clampZoom(percent);
}

double pageWidthZoom(double viewWidthPx, double pageWidthIn, double dotsPerInch) {
    const double full = pageWidthIn * (1 + 2 * kPreviewMargin) * dotsPerInch;
    if (full <= 0)
        return 100;
    return clampZoom(100 * viewWidthPx / full);
}

double wholePageZoom(double viewWidthPx, double viewHeightPx, double pageWidthIn,
                     double pageHeightIn, double dotsPerInch) {
    const double fullHeight = (pageHeightIn + 2 * kPreviewMargin * pageWidthIn) * dotsPerInch;
    if (fullHeight <= 0)
        return 100;
    return std::min(pageWidthZoom(viewWidthPx, pageWidthIn, dotsPerInch),
                    clampZoom(100 * viewHeightPx / fullHeight));
}

}  // namespace reports
