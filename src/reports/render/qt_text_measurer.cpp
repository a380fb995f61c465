#include "reports/render/qt_text_measurer.h"

#include "reports/render/report_fonts.h"

namespace reports {

QtTextMeasurer::QtTextMeasurer(double dotsPerInch) : dpi_(dotsPerInch > 0 ? dotsPerInch : 1200) {}

QtTextMeasurer::Entry& QtTextMeasurer::entry(const FontSpec& font) const {
    const Key key{font.name, font.size, font.styleFlags()};
    auto found = cache_.find(key);
    if (found == cache_.end()) {
        // Measured at a whole pixel size and scaled, so widths grow evenly with the size.
        const PixelScale scale = pixelScaleFor(font.size, dpi_);
        QFont qfont = toQFont(font);
        qfont.setPixelSize(scale.pixelSize);
        auto made =
            std::make_unique<Entry>(Entry{qfont, QFontMetricsF(qfont), scale.factor / dpi_, {}});
        found = cache_.emplace(key, std::move(made)).first;
    }
    return *found->second;
}

FontMetrics QtTextMeasurer::metrics(const FontSpec& font) const {
    const Entry& e = entry(font);
    FontMetrics m;
    m.ascent = e.metrics.ascent() * e.inchesPerPixel;
    m.descent = e.metrics.descent() * e.inchesPerPixel;
    m.lineHeight = e.metrics.lineSpacing() * e.inchesPerPixel;
    return m;
}

double QtTextMeasurer::textWidth(const FontSpec& font, std::string_view text) const {
    if (text.empty())
        return 0;
    Entry& e = entry(font);
    std::string key(text);
    if (const auto found = e.widths.find(key); found != e.widths.end())
        return found->second;
    constexpr std::size_t kMaxCachedWidths = 20000;
    if (e.widths.size() >= kMaxCachedWidths)
        e.widths.clear();
    const QString s = QString::fromUtf8(text.data(), static_cast<qsizetype>(text.size()));
    const double width = e.metrics.horizontalAdvance(s) * e.inchesPerPixel;
    e.widths.emplace(std::move(key), width);
    return width;
}

}  // namespace reports
