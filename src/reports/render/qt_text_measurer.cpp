#include "reports/render/qt_text_measurer.h"

#include <QRawFont>
#include <optional>

#include "reports/render/report_fonts.h"

namespace reports {
namespace {

struct WindowsMetrics {
    double ascent;   // usWinAscent / unitsPerEm
    double descent;  // usWinDescent / unitsPerEm
};

std::uint16_t bigEndian16(const QByteArray& table, int offset) {
    return static_cast<std::uint16_t>((static_cast<unsigned char>(table[offset]) << 8) |
                                      static_cast<unsigned char>(table[offset + 1]));
}

// The ascent and descent Windows uses for a font (the OS/2 table's usWinAscent and
// usWinDescent), in ems. The reports were laid out with these: Qt on Linux takes the
// typographic values instead, which for Tahoma give a line only one em high, so text
// would fill its table rows to the borders and pages would hold more lines.
std::optional<WindowsMetrics> windowsMetricsOf(const QFont& font) {
    const QRawFont raw = QRawFont::fromFont(font);
    if (!raw.isValid())
        return std::nullopt;
    const QByteArray head = raw.fontTable("head");
    const QByteArray os2 = raw.fontTable("OS/2");
    if (head.size() < 20 || os2.size() < 78)
        return std::nullopt;
    const double unitsPerEm = bigEndian16(head, 18);
    const double winAscent = bigEndian16(os2, 74);
    const double winDescent = bigEndian16(os2, 76);
    if (unitsPerEm <= 0 || winAscent + winDescent <= 0)
        return std::nullopt;
    return WindowsMetrics{winAscent / unitsPerEm, winDescent / unitsPerEm};
}

}  // namespace

FontMetrics QtTextMeasurer::lineMetricsOf(const Entry& e) {
    FontMetrics m;
    if (const auto win = windowsMetricsOf(e.font)) {
        const double em = e.font.pixelSize() * e.inchesPerPixel;
        m.ascent = win->ascent * em;
        m.descent = win->descent * em;
        m.lineHeight = m.ascent + m.descent;
        return m;
    }
    m.ascent = e.metrics.ascent() * e.inchesPerPixel;
    m.descent = e.metrics.descent() * e.inchesPerPixel;
    m.lineHeight = e.metrics.lineSpacing() * e.inchesPerPixel;
    return m;
}

QtTextMeasurer::QtTextMeasurer(double dotsPerInch) : dpi_(dotsPerInch > 0 ? dotsPerInch : 1200) {}

QtTextMeasurer::Entry& QtTextMeasurer::entry(const FontSpec& font) const {
    const Key key{font.name, font.size, font.styleFlags()};
    auto found = cache_.find(key);
    if (found == cache_.end()) {
        // Measured at a whole pixel size and scaled, so widths grow evenly with the size.
        const PixelScale scale = pixelScaleFor(font.size, dpi_);
        QFont qfont = toQFont(font);
        qfont.setPixelSize(scale.pixelSize);
        auto made = std::make_unique<Entry>(
            Entry{qfont, QFontMetricsF(qfont), scale.factor / dpi_, {}, {}});
        made->lineMetrics = lineMetricsOf(*made);
        found = cache_.emplace(key, std::move(made)).first;
    }
    return *found->second;
}

FontMetrics QtTextMeasurer::metrics(const FontSpec& font) const {
    return entry(font).lineMetrics;
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
