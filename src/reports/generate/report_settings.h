#pragma once

// The settings a report run reads: margins, the header, footer and page information
// fonts and texts, grid shading, currency styles and the section fonts. Plain values with
// the program's defaults, so a run never reaches into the configuration object itself;
// reportSettingsFrom copies them out of TConfigManager.

#include <array>
#include <map>
#include <string>

#include "reports/engine/font_description.h"

namespace settings {
class TConfigManager;
struct TFontRec;
}  // namespace settings

namespace reports {

struct ReportSettings {
    double topMargin = 0.5;
    double leftMargin = 0.5;
    double rightMargin = 0.5;
    double bottomMargin = 0.2;

    bool currencyStringGrids = true;
    bool currencyStringTotals = true;
    bool shadeGridHeaders = true;
    Color gridHeaderShadeColor = Color::black();
    int gridHeaderShadeIntensity = 18;
    Color gridSubHeaderShadeColor = Color::black();
    int gridSubHeaderShadeIntensity = 8;

    bool printDatePrinted = true;
    bool printPageNumbers = true;
    bool printReportName = true;

    FontSpec pageInformationFooterFont{"Tahoma", 8, Color::fromColorRef(5078219)};
    FontSpec persHeaderFont{"Tahoma", 12, Color::fromColorRef(128)};
    FontSpec customHeaderFont{"Tahoma", 18, Color::fromColorRef(8388608)};
    FontSpec permFooterFont{"Tahoma", 14, Color::fromColorRef(8388608)};
    FontSpec tempFooterFont{"Tahoma", 14, Color::fromColorRef(128)};

    bool usePermanentHeader = true;
    std::array<std::string, 3> permanentHeaderLine{};
    bool useTemporaryFooter = true;
    bool usePermanentFooter = true;
    std::array<std::string, 3> permanentFooterLine{};

    // Section fonts by prefix ("FontElimMonthPayBalBody", ...). A prefix not held here
    // gives its catalogue default (sectionFont).
    std::map<std::string, FontSpec> sectionFonts;

    // The font of a section font prefix: the stored one, else the catalogue default.
    FontSpec sectionFont(const std::string& prefix) const;
};

// The catalogue default of a report section font prefix; Tahoma 10 for an unknown prefix.
FontSpec defaultSectionFont(const std::string& prefix);

// A configured font as a report font.
FontSpec toFontSpec(const settings::TFontRec& font);

// Copies every report setting out of the configuration object.
ReportSettings reportSettingsFrom(const settings::TConfigManager& config);

}  // namespace reports
