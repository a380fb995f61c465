#include "reports/engine/fixed_width_measurer.h"

#include "reports/engine/utf8_text.h"

namespace reports {

FixedWidthMeasurer::FixedWidthMeasurer(double charWidthPerPoint, double lineHeightPerPoint,
                                       double ascentShare)
    : charWidthPerPoint_(charWidthPerPoint),
      lineHeightPerPoint_(lineHeightPerPoint),
      ascentShare_(ascentShare) {}

FontMetrics FixedWidthMeasurer::metrics(const FontSpec& font) const {
    FontMetrics m;
    m.lineHeight = font.size * lineHeightPerPoint_;
    m.ascent = m.lineHeight * ascentShare_;
    m.descent = m.lineHeight - m.ascent;
    return m;
}

double FixedWidthMeasurer::textWidth(const FontSpec& font, std::string_view text) const {
    return static_cast<double>(utf8Length(text)) * font.size * charWidthPerPoint_;
}

}  // namespace reports
