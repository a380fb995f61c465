#pragma once

// Measures report text with the real fonts at a high resolution (1200 dots per inch by
// default), so page layout depends neither on the screen nor on the printer.

#include <QFont>
#include <QFontMetricsF>
#include <map>
#include <memory>
#include <string>
#include <tuple>
#include <unordered_map>

#include "reports/engine/text_measurer.h"

namespace reports {

class QtTextMeasurer final : public TextMeasurer {
  public:
    explicit QtTextMeasurer(double dotsPerInch = 1200);

    FontMetrics metrics(const FontSpec& font) const override;
    double textWidth(const FontSpec& font, std::string_view text) const override;

    double dotsPerInch() const { return dpi_; }

  private:
    struct Entry {
        QFont font;
        QFontMetricsF metrics;
        double inchesPerPixel;    // the pixel-size factor divided by the resolution
        FontMetrics lineMetrics;  // ascent, descent and line height in inches
        // Widths already measured; report tables repeat the same texts very often.
        std::unordered_map<std::string, double> widths;
    };
    using Key = std::tuple<std::string, double, int>;
    Entry& entry(const FontSpec& font) const;
    static FontMetrics lineMetricsOf(const Entry& e);

    double dpi_;
    mutable std::map<Key, std::unique_ptr<Entry>> cache_;
};

}  // namespace reports
