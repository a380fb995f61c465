#include "reports/generate/report_settings.h"

#include <cstddef>

#include "settings/config_manager.h"

namespace reports {
namespace {

struct SectionFontDefault {
    const char* prefix;
    const char* name;
    bool bold;
    bool italic;
    std::uint32_t color;
    int size;
};

constexpr std::uint32_t kDarkRed = 128;
constexpr std::uint32_t kNavy = 8388608;

// The catalogue defaults of the section fonts.
constexpr SectionFontDefault kSectionFontDefaults[] = {
    {"FontElimOverviewHeader", "Tahoma", true, false, 0, 12},
    {"FontElimOverviewBody", "Tahoma", false, false, 0, 9},
    {"FontElimOverviewTotals", "Tahoma", false, false, kDarkRed, 12},
    {"FontElimMonthPayOnlyHeader", "Tahoma", true, false, 0, 10},
    {"FontElimMonthPayOnlyBody", "Tahoma", false, false, 0, 10},
    {"FontElimMonthPayOnlyTotals", "Tahoma", false, false, 0, 9},
    {"FontElimMonthPayBalHeader", "Tahoma", true, false, 0, 9},
    {"FontElimMonthPayBalBody", "Tahoma", false, false, 0, 8},
    {"FontElimMonthPayBalTotals", "Tahoma", true, false, 0, 8},
    {"FontElimDailyPayOnlyHeader", "Tahoma", true, false, 0, 9},
    {"FontElimDailyPayOnlyBody", "Tahoma", false, false, 0, 10},
    {"FontElimDailyPayOnlyTotals", "Tahoma", false, false, 0, 10},
    {"FontElimDailyPayBalHeader", "Tahoma", true, false, 0, 9},
    {"FontElimDailyPayBalBody", "Tahoma", false, false, 0, 10},
    {"FontElimDailyPayBalTotals", "Tahoma", false, false, 0, 10},
    {"FontElimSummaryHeader", "Tahoma", true, false, 0, 8},
    {"FontElimSummaryBody", "Tahoma", false, false, 0, 9},
    {"FontElimSummaryTotals", "Tahoma", false, false, kDarkRed, 11},
    {"FontElimCalendarHeader", "Tahoma", true, false, 0, 11},
    {"FontElimCalendarBody", "Lucida Console", true, true, 0, 11},
    {"FontElimCalendarTotals", "Tahoma", false, false, kDarkRed, 8},
    {"FontElimMoneySaveHeader", "Tahoma", false, false, kNavy, 12},
    {"FontElimMoneySaveBody", "Tahoma", false, false, 0, 9},
    {"FontElimMoneySaveTotals", "Tahoma", false, false, kDarkRed, 12},
    {"FontElimTimeSaveHeader", "Tahoma", false, false, kNavy, 12},
    {"FontElimTimeSaveBody", "Tahoma", false, false, 0, 9},
    {"FontElimTimeSaveTotals", "Tahoma", false, false, kDarkRed, 12},
    {"FontElimPrincIntHeader", "Tahoma", false, false, kNavy, 12},
    {"FontElimPrincIntBody", "Tahoma", false, false, 0, 9},
    {"FontElimPrincIntTotals", "Tahoma", false, false, kDarkRed, 12},
    {"FontConScheduleHeader", "Tahoma", true, false, 0, 11},
    {"FontConScheduleBody", "Tahoma", false, false, 0, 10},
    {"FontConScheduleTotals", "Tahoma", false, false, kNavy, 12},
    {"FontConSummaryHeader", "Tahoma", true, false, 0, 11},
    {"FontConSummaryBody", "Tahoma", false, false, 0, 11},
    {"FontConSummaryTotals", "Tahoma", true, false, kDarkRed, 12},
    {"FontConGraphicHeader", "Tahoma", false, false, kNavy, 12},
    {"FontConGraphicBody", "Tahoma", false, false, 0, 10},
    {"FontConGraphicTotals", "Tahoma", true, false, kDarkRed, 11},
};

}  // namespace

FontSpec defaultSectionFont(const std::string& prefix) {
    for (const SectionFontDefault& d : kSectionFontDefaults) {
        if (prefix == d.prefix) {
            FontSpec f;
            f.name = d.name;
            f.size = d.size;
            f.color = Color::fromColorRef(d.color);
            f.bold = d.bold;
            f.italic = d.italic;
            return f;
        }
    }
    return FontSpec{};
}

FontSpec ReportSettings::sectionFont(const std::string& prefix) const {
    const auto found = sectionFonts.find(prefix);
    return found != sectionFonts.end() ? found->second : defaultSectionFont(prefix);
}

FontSpec toFontSpec(const settings::TFontRec& font) {
    return FontSpec::fromStyleFlags(font.Name, font.Size,
                                    Color::fromColorRef(static_cast<std::uint32_t>(font.Color)),
                                    font.Style);
}

ReportSettings reportSettingsFrom(const settings::TConfigManager& c) {
    ReportSettings s;
    s.topMargin = c.TopMargin;
    s.leftMargin = c.LeftMargin;
    s.rightMargin = c.RightMargin;
    s.bottomMargin = c.BottomMargin;
    s.currencyStringGrids = c.CurrencyStringGrids;
    s.currencyStringTotals = c.CurrencyStringTotals;
    s.shadeGridHeaders = c.ShadeGridHeaders;
    s.gridHeaderShadeColor =
        Color::fromColorRef(static_cast<std::uint32_t>(c.GridHeaderShadeColor));
    s.gridHeaderShadeIntensity = c.GridHeaderShadeIntensity;
    s.gridSubHeaderShadeColor =
        Color::fromColorRef(static_cast<std::uint32_t>(c.GridSubHeaderShadeColor));
    s.gridSubHeaderShadeIntensity = c.GridSubHeaderShadeIntensity;
    s.printDatePrinted = c.PrintDatePrinted;
    s.printPageNumbers = c.PrintPageNumbers;
    s.printReportName = c.PrintReportName;
    s.pageInformationFooterFont = toFontSpec(c.PageInformationFooterFont);
    s.persHeaderFont = toFontSpec(c.PersHeaderFont);
    s.customHeaderFont = toFontSpec(c.CustomHeaderFont);
    s.permFooterFont = toFontSpec(c.PermFooterFont);
    s.tempFooterFont = toFontSpec(c.TempFooterFont);
    s.usePermanentHeader = c.UsePermanentHeader;
    s.permanentHeaderLine = c.PermanentHeaderLine;
    s.useTemporaryFooter = c.UseTemporaryFooter;
    s.usePermanentFooter = c.UsePermanentFooter;
    s.permanentFooterLine = c.PermanentFooterLine;
    for (std::size_t i = 0; i < settings::kReportFontPrefixes.size(); ++i) {
        s.sectionFonts[settings::kReportFontPrefixes[i]] = toFontSpec(c.ReportFonts[i]);
    }
    return s;
}

}  // namespace reports
