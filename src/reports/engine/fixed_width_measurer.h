#pragma once

// A measurer for tests: every character is equally wide, widths and heights grow with the
// point size. With the defaults a 10-point character is 1/8 inch wide and a 10-point line
// 1/4 inch high (ascent 1/5 inch), so layouts can be checked exactly.

#include "reports/engine/text_measurer.h"

namespace reports {

class FixedWidthMeasurer final : public TextMeasurer {
  public:
    explicit FixedWidthMeasurer(double charWidthPerPoint = 1.0 / 80,
                                double lineHeightPerPoint = 1.0 / 40, double ascentShare = 0.8);

    FontMetrics metrics(const FontSpec& font) const override;
    double textWidth(const FontSpec& font, std::string_view text) const override;

  private:
    double charWidthPerPoint_;
    double lineHeightPerPoint_;
    double ascentShare_;
};

}  // namespace reports
