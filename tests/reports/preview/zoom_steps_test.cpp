// The preview's zoom steps and fitting factors.

#include "reports/preview/zoom_steps.h"

#include <gtest/gtest.h>

namespace reports {
namespace {

TEST(ZoomSteps, StepToTheNextFactorAboveOrBelow) {
    struct Case {
        double from, in, out;
    };
    for (const Case c : {Case{100, 125, 75}, Case{101, 125, 100}, Case{10, 25, 10},
                         Case{500, 500, 400}, Case{62.5, 75, 50}, Case{5, 10, 10}}) {
        EXPECT_EQ(c.in, zoomInStep(c.from)) << c.from;
        EXPECT_EQ(c.out, zoomOutStep(c.from)) << c.from;
    }
}

TEST(ZoomSteps, FactorsFitThePageWithItsMargins) {
    // A Letter page with its border is 8.925 inches wide; at 96 dpi that is 856.8 pixels.
    EXPECT_NEAR(100, pageWidthZoom(856.8, 8.5, 96), 1e-9);
    EXPECT_NEAR(50, pageWidthZoom(428.4, 8.5, 96), 1e-9);
    // Height 11 + 0.425 inch: a tall view is limited by the width, a flat one by the height.
    EXPECT_NEAR(50, wholePageZoom(428.4, 5000, 8.5, 11, 96), 1e-9);
    EXPECT_NEAR(50, wholePageZoom(5000, 548.4, 8.5, 11, 96), 1e-9);
    EXPECT_EQ(kMinZoom, wholePageZoom(1, 1, 8.5, 11, 96));
    EXPECT_EQ(kMaxZoom, clampZoom(10000));
}

}  // namespace
}  // namespace reports
