// The small value helpers of the engine: status texts, device matching, fonts, colours,
// pattern numbers and UTF-8 cutting.

#include <gtest/gtest.h>

#include "reports/engine/fixed_width_measurer.h"
#include "reports/engine/font_description.h"
#include "reports/engine/output_devices.h"
#include "reports/engine/report_engine.h"
#include "reports/engine/status_format.h"
#include "reports/engine/utf8_text.h"

namespace reports {
namespace {

TEST(StatusFormat, ReplacesPageNumberAndStatusLines) {
    const std::vector<std::string> lines = {"first", "second"};
    EXPECT_EQ("Printing Page 12\rfirst\rsecond",
              formatStatus("Printing Page %p\r%0\r%1", 12, lines));
    EXPECT_EQ("a  b", formatStatus("a %5 b", 1, lines));  // a missing line is empty
    EXPECT_EQ("100% done %", formatStatus("100% done %", 1, lines));
}

TEST(OutputDevices, MatchesAPrinterNameWithoutThePortPart) {
    const std::vector<std::string> devices = {"Laser on LPT123456:", "Office on LPT1:", "Office"};
    EXPECT_EQ("Office", deviceNameWithoutPort("Office on LPT1:"));
    EXPECT_EQ("Office", deviceNameWithoutPort("Office on X"));           // fewer than 12 left
    EXPECT_EQ("Laser6:", deviceNameWithoutPort("Laser on LPT123456:"));  // port too long
    EXPECT_EQ(std::optional<std::size_t>(1), matchOutputDevice(devices, "Office"));
    EXPECT_EQ(std::nullopt, matchOutputDevice(devices, "Laser"));
    EXPECT_EQ(std::nullopt, matchOutputDevice({}, "Office"));
}

TEST(OutputDevices, TheEngineKeepsItsDeviceWhenNoneMatches) {
    FixedWidthMeasurer measurer;
    ReportEngine engine(measurer);
    engine.setOutputDevices({"PDF", "Office"});
    engine.selectOutputDevice(1);
    engine.selectOutputDevice(7);
    EXPECT_EQ(1, engine.selectedOutputDevice());
    engine.setOutputDevices({"PDF"});
    EXPECT_EQ(-1, engine.selectedOutputDevice());
}

TEST(FontSpec, StyleFlagsAndColourRefsRoundTrip) {
    const auto font = FontSpec::fromStyleFlags("Arial", 12, Color::fromColorRef(0x00804020), 5);
    EXPECT_TRUE(font.bold);
    EXPECT_FALSE(font.italic);
    EXPECT_TRUE(font.underline);
    EXPECT_FALSE(font.strikeout);
    EXPECT_EQ(5, font.styleFlags());
    EXPECT_EQ((Color{0x20, 0x40, 0x80}), font.color);
    EXPECT_EQ(0x00804020u, font.color.toColorRef());
    EXPECT_EQ(15, FontSpec::fromStyleFlags("x", 1, Color{}, 0xFF).styleFlags());
}

TEST(BrushStyle, PatternNumbersOutsideTheTableAreSolid) {
    EXPECT_EQ(BrushStyle::Solid, brushStyleFromPattern(0));
    EXPECT_EQ(BrushStyle::DiagonalCross, brushStyleFromPattern(4));
    EXPECT_EQ(BrushStyle::Vertical, brushStyleFromPattern(6));
    EXPECT_EQ(BrushStyle::Solid, brushStyleFromPattern(7));
    EXPECT_EQ(BrushStyle::Solid, brushStyleFromPattern(9));
    EXPECT_EQ(BrushStyle::Solid, brushStyleFromPattern(-1));
}

TEST(Utf8Text, CountsAndDropsWholeCharacters) {
    EXPECT_EQ(5u, utf8Length("Caf\xC3\xA9s"));
    EXPECT_EQ(1u, utf8Length("\xE2\x82\xAC"));
    std::string euro = "5\xE2\x82\xAC";
    utf8DropLast(euro);
    EXPECT_EQ("5", euro);
    std::string empty;
    utf8DropLast(empty);
    EXPECT_EQ("", empty);
}

}  // namespace
}  // namespace reports
