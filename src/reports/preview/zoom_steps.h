#pragma once

// The preview's zoom: percentages of the page's real size on the screen, its zoom in and
// zoom out steps, and the factors that fit the page width or the whole page into a view.

#include <vector>

namespace reports {

inline constexpr double kMinZoom = 10;
inline constexpr double kMaxZoom = 500;
// The blank border around the page, as a share of the page's width on each side.
inline constexpr double kPreviewMargin = 0.025;

double clampZoom(double percent);
const std::vector<double>& zoomSteps();
// The next step above (below) the factor; the factor itself at the end of the steps.
double zoomInStep(double percent);
double zoomOutStep(double percent);

// Factors that fit a page of the given inches into a view of the given pixels, margins
// included, on a screen of `dotsPerInch`.
double pageWidthZoom(double viewWidthPx, double pageWidthIn, double dotsPerInch);
double wholePageZoom(double viewWidthPx, double viewHeightPx, double pageWidthIn,
                     double pageHeightIn, double dotsPerInch);

}  // namespace reports
