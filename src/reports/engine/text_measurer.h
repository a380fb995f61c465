#pragma once

// How the engine learns the size of text. The program measures with the real fonts (the Qt
// measurer of the renderers); tests use the fixed-width measurer for exact layouts.

#include <string_view>

#include "reports/engine/font_description.h"

namespace reports {

struct FontMetrics {
    double ascent = 0;      // inches from the top of a line to the baseline
    double descent = 0;     // inches below the baseline
    double lineHeight = 0;  // inches from one line's top to the next
};

class TextMeasurer {
  public:
    virtual ~TextMeasurer() = default;
    virtual FontMetrics metrics(const FontSpec& font) const = 0;
    // Width in inches of a UTF-8 text in the font.
    virtual double textWidth(const FontSpec& font, std::string_view text) const = 0;
};

}  // namespace reports
