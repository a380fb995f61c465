#include "settings/config_manager.h"

#include <stdexcept>

#include "app/environment_text.h"
#include "app/folders.h"
#include "app/number_text.h"

namespace settings {

const std::array<const char*, kReportSectionFonts> kReportFontPrefixes = {
    "FontElimOverviewHeader",     "FontElimOverviewBody",     "FontElimOverviewTotals",
    "FontElimMonthPayOnlyHeader", "FontElimMonthPayOnlyBody", "FontElimMonthPayOnlyTotals",
    "FontElimMonthPayBalHeader",  "FontElimMonthPayBalBody",  "FontElimMonthPayBalTotals",
    "FontElimDailyPayOnlyHeader", "FontElimDailyPayOnlyBody", "FontElimDailyPayOnlyTotals",
    "FontElimDailyPayBalHeader",  "FontElimDailyPayBalBody",  "FontElimDailyPayBalTotals",
    "FontElimSummaryHeader",      "FontElimSummaryBody",      "FontElimSummaryTotals",
    "FontElimCalendarHeader",     "FontElimCalendarBody",     "FontElimCalendarTotals",
    "FontElimMoneySaveHeader",    "FontElimMoneySaveBody",    "FontElimMoneySaveTotals",
    "FontElimTimeSaveHeader",     "FontElimTimeSaveBody",     "FontElimTimeSaveTotals",
    "FontElimPrincIntHeader",     "FontElimPrincIntBody",     "FontElimPrincIntTotals",
    "FontConScheduleHeader",      "FontConScheduleBody",      "FontConScheduleTotals",
    "FontConSummaryHeader",       "FontConSummaryBody",       "FontConSummaryTotals",
    "FontConGraphicHeader",       "FontConGraphicBody",       "FontConGraphicTotals",
};

namespace {

constexpr std::int32_t kDarkRed = 128;   // 0x00000080
constexpr std::int32_t kNavy = 8388608;  // 0x00800000
const char* const kTahoma = "Tahoma";

TFontRec font(const char* name, bool bold, bool italic, std::int32_t color, std::int32_t size) {
    TFontRec f;
    f.Name = name;
    f.Color = color;
    f.Size = size;
    f.Style =
        static_cast<std::uint8_t>((bold ? TFontRec::kBold : 0) | (italic ? TFontRec::kItalic : 0));
    return f;
}

// Defaults of the report section fonts, in the order of kReportFontPrefixes.
const std::array<TFontRec, kReportSectionFonts>& reportFontDefaults() {
    static const std::array<TFontRec, kReportSectionFonts> defaults = {
        font(kTahoma, true, false, 0, 12),         font(kTahoma, false, false, 0, 9),
        font(kTahoma, false, false, kDarkRed, 12),  // overview
        font(kTahoma, true, false, 0, 10),         font(kTahoma, false, false, 0, 10),
        font(kTahoma, false, false, 0, 9),  // monthly payment only
        font(kTahoma, true, false, 0, 9),          font(kTahoma, false, false, 0, 8),
        font(kTahoma, true, false, 0, 8),  // monthly payment and balance
        font(kTahoma, true, false, 0, 9),          font(kTahoma, false, false, 0, 10),
        font(kTahoma, false, false, 0, 10),  // daily payment only
        font(kTahoma, true, false, 0, 9),          font(kTahoma, false, false, 0, 10),
        font(kTahoma, false, false, 0, 10),  // daily payment and balance
        font(kTahoma, true, false, 0, 8),          font(kTahoma, false, false, 0, 9),
        font(kTahoma, false, false, kDarkRed, 11),  // summary
        font(kTahoma, true, false, 0, 11),         font("Lucida Console", true, true, 0, 11),
        font(kTahoma, false, false, kDarkRed, 8),  // calendar
        font(kTahoma, false, false, kNavy, 12),    font(kTahoma, false, false, 0, 9),
        font(kTahoma, false, false, kDarkRed, 12),  // money savings graph
        font(kTahoma, false, false, kNavy, 12),    font(kTahoma, false, false, 0, 9),
        font(kTahoma, false, false, kDarkRed, 12),  // time saving graph
        font(kTahoma, false, false, kNavy, 12),    font(kTahoma, false, false, 0, 9),
        font(kTahoma, false, false, kDarkRed, 12),  // principal and interest graph
        font(kTahoma, true, false, 0, 11),         font(kTahoma, false, false, 0, 10),
        font(kTahoma, false, false, kNavy, 12),  // consolidation schedule
        font(kTahoma, true, false, 0, 11),         font(kTahoma, false, false, 0, 11),
        font(kTahoma, true, false, kDarkRed, 12),  // consolidation summary
        font(kTahoma, false, false, kNavy, 12),    font(kTahoma, false, false, 0, 10),
        font(kTahoma, true, false, kDarkRed, 11),  // consolidation graphic
    };
    return defaults;
}

std::string productSubKey(const char* section) {
    return std::string(kProductKey) + "\\" + section;
}

}  // namespace

std::string cutToCharacters(const std::string& text, std::size_t maxChars) {
    std::size_t chars = 0;
    for (std::size_t i = 0; i < text.size(); ++i) {
        // Count the bytes that start a character (not UTF-8 continuation bytes).
        if ((static_cast<unsigned char>(text[i]) & 0xC0) != 0x80) {
            if (chars == maxChars)
                return text.substr(0, i);
            ++chars;
        }
    }
    return text;
}

// Moves one section's keys between the fields and the open store, in catalogue order,
// the same code serving for loading and for saving.
class SectionExchange {
  public:
    SectionExchange(TConfigManager& config, std::string section, bool loading)
        : c_(config), section_(std::move(section)), loading_(loading) {}

    void integer(const std::string& key, std::int32_t& field, std::int32_t def) {
        if (loading_) {
            field = c_.GetPrefInteger(section_, key, def);
        } else {
            c_.SetPrefInteger(section_, key, field);
        }
    }
    void boolean(const std::string& key, bool& field, bool def) {
        if (loading_) {
            field = c_.GetPrefBoolean(section_, key, def);
        } else {
            c_.SetPrefBoolean(section_, key, field);
        }
    }
    void text(const std::string& key, std::string& field, const std::string& def,
              std::size_t maxChars = 0) {
        if (loading_) {
            c_.GetPrefString(section_, key, field, def);
            if (maxChars > 0)
                field = cutToCharacters(field, maxChars);
        } else {
            c_.SetPrefString(section_, key, field);
        }
    }
    void path(const std::string& key, std::string& field, const std::string& def) {
        if (loading_) {
            c_.GetPrefPath(section_, key, field, def);
        } else {
            c_.SetPrefPath(section_, key, field);
        }
    }
    // Keys of older versions that only give a default to a newer key.
    void readOnlyText(const std::string& key, std::string& value, const std::string& def) {
        if (loading_)
            c_.GetPrefString(section_, key, value, def);
    }
    // A number stored as text. `tolerant` accepts "." and "," as the decimal separator.
    // A text that is not a number gives the key's default after a warning.
    void number(const std::string& key, double& field, const std::string& def, bool tolerant,
                const std::string& warningLabel) {
        if (!loading_) {
            c_.SetPrefString(section_, key, app::FloatToStr(field, c_.locale()));
            return;
        }
        std::string stored;
        c_.GetPrefString(section_, key, stored, def);
        const auto parse = [&](const std::string& t) {
            return tolerant ? app::ParseLocaleFloat(t, c_.locale())
                            : app::StrToFloat(t, c_.locale());
        };
        try {
            field = parse(stored);
        } catch (const app::ConversionError& e) {
            c_.warnUnreadableNumber(warningLabel, stored, e.what());
            field = parse(def);
        }
    }
    // An IEEE double stored as 8 bytes; the field stays when nothing is stored.
    void binaryDouble(const std::string& key, double& field) {
        if (loading_) {
            double value = 0;
            if (c_.GetPrefBinary(section_, key, sizeof value, &value) ==
                static_cast<int>(sizeof value)) {
                field = value;
            }
        } else {
            c_.SetPrefBinary(section_, key, sizeof field, &field);
        }
    }
    void font(const std::string& prefix, TFontRec& field, const TFontRec& def) {
        text(prefix + " Name", field.Name, def.Name);
        if (loading_) {
            field.Style = 0;
            if (c_.GetPrefBoolean(section_, prefix + " Bold", def.Style & TFontRec::kBold)) {
                field.Style |= TFontRec::kBold;
            }
            if (c_.GetPrefBoolean(section_, prefix + " Italic", def.Style & TFontRec::kItalic)) {
                field.Style |= TFontRec::kItalic;
            }
            if (c_.GetPrefBoolean(section_, prefix + " Underline",
                                  def.Style & TFontRec::kUnderline)) {
                field.Style |= TFontRec::kUnderline;
            }
            if (c_.GetPrefBoolean(section_, prefix + " Strikeout",
                                  def.Style & TFontRec::kStrikeOut)) {
                field.Style |= TFontRec::kStrikeOut;
            }
        } else {
            c_.SetPrefBoolean(section_, prefix + " Bold", field.Style & TFontRec::kBold);
            c_.SetPrefBoolean(section_, prefix + " Italic", field.Style & TFontRec::kItalic);
            c_.SetPrefBoolean(section_, prefix + " Underline", field.Style & TFontRec::kUnderline);
            c_.SetPrefBoolean(section_, prefix + " Strikeout", field.Style & TFontRec::kStrikeOut);
        }
        integer(prefix + " Color", field.Color, def.Color);
        integer(prefix + " Size", field.Size, def.Size);
    }

    bool loading() const { return loading_; }

  private:
    TConfigManager& c_;
    std::string section_;
    bool loading_;
};

TConfigManager::TConfigManager(platform::Registry& registry, platform::MessageBoxes& boxes,
                               ProgramLocation program, platform::LocaleInfo locale)
    : TConfigBase(registry, boxes, std::move(program)), locale_(std::move(locale)) {}

TFontRec& TConfigManager::reportFont(const std::string& prefix) {
    for (std::size_t i = 0; i < kReportFontPrefixes.size(); ++i) {
        if (prefix == kReportFontPrefixes[i])
            return ReportFonts[i];
    }
    throw std::out_of_range("no report font " + prefix);
}

void TConfigManager::warnUnreadableNumber(const std::string& label, const std::string& text,
                                          const std::string& message) {
    platform::MessageBoxRequest r;
    r.caption = displayName() + " Error";
    r.text = displayName() + " error reading " + label + text + ":\r\n\r\n" + message;
    r.icon = platform::MsgIcon::Warning;
    r.owner = mainWindow;
    messageBoxes().show(r);
}

void TConfigManager::runSection(int scope, const char* section, bool loading,
                                void (TConfigManager::*exchange)(SectionExchange&)) {
    if (!OpenPref(scope, productSubKey(section), true))
        return;
    SectionExchange io(*this, section, loading);
    (this->*exchange)(io);
    ClosePref();
}

void TConfigManager::exchangeAppearance(SectionExchange& io) {
    io.integer("Menu Style", MenuStyle, 4);
    io.integer("Menu Animation", MenuAnimation, 0);
    io.boolean("Currency String Screen Grids", CurrencyStringScreenGrids, true);
    io.boolean("Currency String Screen Totals", CurrencyStringScreenTotals, true);
    io.integer("Button Alignment", ButtonAlignment, 2);
}

void TConfigManager::exchangeScreenFonts(SectionExchange& io) {
    io.font("Debt Info Font", DebtInfoFont, font(kTahoma, false, false, 0, 11));
    io.font("Label Font", LabelFont, font(kTahoma, false, false, 0, 11));
    io.font("Edit Font", EditFont, font(kTahoma, false, false, 0, 11));
    io.font("Button Font", ButtonFont, font(kTahoma, false, false, 0, 9));
}

void TConfigManager::exchangeBackup(SectionExchange& io) {
    io.boolean("Backup On Start", BackupOnStart, true);
    io.boolean("Backup On Close", BackupOnClose, true);
    io.boolean("Backup On Save", BackupOnSave, false);
    io.boolean("Backup Schedule Days", BackupScheduleDays, false);
    io.binaryDouble("Last Backup", LastBackup);
    io.integer("Days", Days, 3);
    io.boolean("Backup Message", BackupMessage, true);
    io.integer("Backup Count", BackupCount, 10);
    io.integer("Backup Location", BackupLocation, 0);
    std::string legacyFolder = app::GetDocumentsFolder(true) + "Quorvale/";
    io.readOnlyText("Path", legacyFolder, legacyFolder);
    io.path("Backup Folder", BackupFolder, legacyFolder);
    io.text("Backup File Pattern", BackupFilePattern, "_bak###.~dat");
    io.integer("Backup Message Color", BackupMessageColor, 12364186);
    io.integer("Backup Message Alpha Blend Value", BackupMessageAlphaBlendValue, 210);
}

void TConfigManager::exchangeFilePaths(SectionExchange& io) {
    std::string legacyPath = app::GetTempFolder() + "/Haldrun/Zelvane/";
    io.readOnlyText("Error Path", legacyPath, legacyPath);
    io.path("Error Path v", ErrorPathV, legacyPath);
}

void TConfigManager::afterFilePathsLoaded() {
    app::ForceDirectoriesEx(app::ExpandEnvironmentText(ErrorPathV));
}

void TConfigManager::exchangeReports(SectionExchange& io) {
    const std::string& sep = locale_.decimalSeparator;
    io.number("Top Margin", TopMargin, "0" + sep + "5", true, "Top Margin ");
    io.number("Left Margin", LeftMargin, "0" + sep + "5", true, "Left Margin ");
    io.number("Right Margin", RightMargin, "0" + sep + "5", true, "Right Margin ");
    io.number("Bottom Margin", BottomMargin, "0" + sep + "2", true, "Bottom Margin ");
    io.boolean("Currency String Grids", CurrencyStringGrids, true);
    io.boolean("Currency String Totals", CurrencyStringTotals, true);
    io.boolean("Shade Grid Headers", ShadeGridHeaders, true);
    io.integer("Grid Header Shade Color", GridHeaderShadeColor, 0);
    io.integer("Grid Header Shade Intensity", GridHeaderShadeIntensity, 18);
    io.integer("Grid SubHeader Shade Color", GridSubHeaderShadeColor, 0);
    io.integer("Grid SubHeader Shade Intensity", GridSubHeaderShadeIntensity, 8);
    io.boolean("Print Date Printed", PrintDatePrinted, true);
    io.boolean("Print Page Numbers", PrintPageNumbers, true);
    io.boolean("Print Report Name", PrintReportName, true);
    io.boolean("Use Permanent Header", UsePermanentHeader, true);
    for (int i = 0; i < 3; ++i) {
        io.text("Permanent Header Line " + std::to_string(i + 1),
                PermanentHeaderLine[static_cast<std::size_t>(i)], "");
    }
    io.boolean("Use Temporary Footer", UseTemporaryFooter, true);
    io.boolean("Use Permanent Footer", UsePermanentFooter, true);
    for (int i = 0; i < 3; ++i) {
        io.text("Permanent Footer Line " + std::to_string(i + 1),
                PermanentFooterLine[static_cast<std::size_t>(i)], "");
    }
    io.integer("TimedDebtElimReportFontsIdx", TimedDebtElimReportFontsIdx, 0);
    io.integer("ConsolidationReportFontsIdx", ConsolidationReportFontsIdx, 0);
    io.integer("Current Plan Color", CurrentPlanColor, 111);
    io.integer("Current Plan Pattern", CurrentPlanPattern, 0);
    io.integer("Current Plan Princ Color", CurrentPlanPrincColor, 7895452);
    io.integer("Current Plan Princ Pattern", CurrentPlanPrincPattern, 0);
    io.integer("Proposed Plan Color", ProposedPlanColor, 6704676);
    io.integer("Proposed Plan Pattern", ProposedPlanPattern, 0);
    io.integer("Proposed Plan Princ Color", ProposedPlanPrincColor, 12232589);
    io.integer("Proposed Plan Princ Pattern", ProposedPlanPrincPattern, 0);
    io.integer("Debt Information Color", DebtInformationColor, 924455);
    io.integer("Debt Information Pattern", DebtInformationPattern, 0);
    io.integer("Alter Payment Color", AlterPaymentColor, 111);
    io.integer("Alter Payment Pattern", AlterPaymentPattern, 0);
    io.integer("Alter Duration Color", AlterDurationColor, 24111);
    io.integer("Alter Duration Pattern", AlterDurationPattern, 0);
}

void TConfigManager::exchangeReportFonts(SectionExchange& io) {
    io.font("Page Information Footer Font", PageInformationFooterFont,
            font(kTahoma, false, false, 5078219, 8));
    io.font("PersHeader Font", PersHeaderFont, font(kTahoma, false, false, kDarkRed, 12));
    io.font("CustomHeader Font", CustomHeaderFont, font(kTahoma, false, false, kNavy, 18));
    io.font("PermFooter Font", PermFooterFont, font(kTahoma, false, false, kNavy, 14));
    io.font("TempFooter Font", TempFooterFont, font(kTahoma, false, false, kDarkRed, 14));
    const auto& defaults = reportFontDefaults();
    for (std::size_t i = 0; i < kReportFontPrefixes.size(); ++i) {
        io.font(kReportFontPrefixes[i], ReportFonts[i], defaults[i]);
    }
}

void TConfigManager::exchangeStartup(SectionExchange& io) {
    io.boolean("Show Splash Screen", ShowSplashScreen, true);
    io.integer("Splash Screen Time", SplashScreenTime, 5000);
}

void TConfigManager::exchangeMainForm(SectionExchange& io) {
    io.text("Agent", Agent, "", kAgentLength);
    io.integer("Last Index", LastIndex, 0);
    io.integer("Last Priority Method", LastPriorityMethod, 0);
    io.integer("Last Reduction Plan", LastReductionPlan, 0);
    io.integer("Last Consolidation Method", LastConsolidationMethod, 0);
    io.integer("Last Consolidation Rate Method", LastConsolidationRateMethod, 0);
    io.integer("Extra Payment Source", ExtraPaymentSource, 0);
}

void TConfigManager::exchangeReportsForm(SectionExchange& io) {
    io.binaryDouble("Zoom Percentage", ZoomPercentage);
}

void TConfigManager::exchangeBudgetForm(SectionExchange& io) {
    for (std::size_t i = 0; i < kBudgetLines; ++i) {
        const std::string n = std::to_string(i + 1);
        io.text("Obligation Item " + n, ObligationItem[i], "", kBudgetNameLength);
    }
    for (std::size_t i = 0; i < kBudgetLines; ++i) {
        const std::string key = "Obligation Payment " + std::to_string(i + 1);
        io.number(key, ObligationPayment[i], "0", false, key + " ");
    }
    for (std::size_t i = 0; i < kBudgetLines; ++i) {
        const std::string n = std::to_string(i + 1);
        io.text("Budget Item " + n, BudgetItem[i], "", kBudgetNameLength);
    }
    for (std::size_t i = 0; i < kBudgetLines; ++i) {
        const std::string key = "Budget Payment " + std::to_string(i + 1);
        io.number(key, BudgetPayment[i], "0", false, key + " ");
    }
    io.boolean("Budget AutoCalc", BudgetAutoCalc, false);
    io.number("Budget Monthly Income ", BudgetMonthlyIncome, "0", false, "Budget Monthly Income ");
    io.number("Save or Invest ", SaveOrInvest(), "0", false, "Save or Invest ");
}

void TConfigManager::exchangeExtraPayments(SectionExchange& io) {
    for (std::size_t month = 1; month <= kExtraPaymentMonths; ++month) {
        io.number("Extra Payment " + std::to_string(month), ExtraPayments[month], "0", false,
                  "Extra Payment ");
    }
}

void TConfigManager::exchangeUses(SectionExchange& io) {
    io.integer("Uses", Uses, 0);
}

void TConfigManager::exchangeAllUsersSame(SectionExchange& io) {
    io.boolean("All Users Same", AllUsersSame, false);
}

void TConfigManager::transfer(int index, bool loading) {
    auto section = [&](int scope, const char* name,
                       void (TConfigManager::*exchange)(SectionExchange&)) {
        runSection(scope, name, loading, exchange);
    };
    const bool all = index == kAllSections;
    if (all || index == kAppearance) {
        section(cfgPerUserRoam, "Appearance", &TConfigManager::exchangeAppearance);
        section(cfgPerUserRoam, "Fonts", &TConfigManager::exchangeScreenFonts);
    }
    if (all || index == kBackup)
        section(cfgPerUserRoam, "Backup", &TConfigManager::exchangeBackup);
    if (all || index == kFilePaths) {
        section(cfgPerUserNonRoam, "File Paths", &TConfigManager::exchangeFilePaths);
        if (loading)
            afterFilePathsLoaded();
    }
    if (all || index == kReports) {
        section(cfgPerUserRoam, "Reports", &TConfigManager::exchangeReports);
        section(cfgPerUserRoam, "Fonts", &TConfigManager::exchangeReportFonts);
    }
    if (all || index == kStartup)
        section(cfgPerUserRoam, "Startup", &TConfigManager::exchangeStartup);
    if (all || index == kMainForm) {
        section(cfgPerUserRoam, "MainForm", &TConfigManager::exchangeMainForm);
    }
    if (all || index == kReportsForm) {
        section(cfgPerUserRoam, "ReportsForm", &TConfigManager::exchangeReportsForm);
    }
    if (all || index == kBudgetForm) {
        section(cfgPerUserRoam, "BudgetForm", &TConfigManager::exchangeBudgetForm);
    }
    if (all || index == kExtraPaymentsForm) {
        section(cfgPerUserRoam, "ExtraPaymentsForm", &TConfigManager::exchangeExtraPayments);
    }
    if (all || index == kRootSection) {
        section(cfgPerUserRoam, "", &TConfigManager::exchangeUses);
        if (!loading || prefLocation() == PrefLocation::RegistryClassic) {
            section(cfgPerMachine, "", &TConfigManager::exchangeAllUsersSame);
        }
        if (loading && prefLocation() == PrefLocation::OnUsb)
            AllUsersSame = true;
        if (loading && prefLocation() != PrefLocation::OnUsb &&
            prefLocation() != PrefLocation::RegistryClassic) {
            AllUsersSame = false;
        }
    }
}

namespace {

// Shows the busy cursor for its lifetime, also when a save fails.
class BusyScope {
  public:
    explicit BusyScope(const std::function<void(bool)>& onBusy) : onBusy_(onBusy) {
        if (onBusy_)
            onBusy_(true);
    }
    ~BusyScope() {
        if (onBusy_)
            onBusy_(false);
    }
    BusyScope(const BusyScope&) = delete;
    BusyScope& operator=(const BusyScope&) = delete;

  private:
    const std::function<void(bool)>& onBusy_;
};

}  // namespace

void TConfigManager::LoadSettings(int index) {
    BusyScope busy(onBusy);
    transfer(index, true);
}

void TConfigManager::SaveSettings(int index) {
    BusyScope busy(onBusy);
    transfer(index, false);
}

void TConfigManager::ReadPreviousVersion() {
    PreviousVersion.clear();
    if (!OpenPref(cfgPerMachine, std::string(kProductKey) + "\\", true))
        return;
    GetPrefString("", versionValueName(), PreviousVersion, "");
    ClosePref();
}

void TConfigManager::StoreVersion(const std::string& version) {
    if (version.empty())
        return;
    ReadPreviousVersion();
    if (!OpenPref(cfgPerMachine, std::string(kProductKey) + "\\", true))
        return;
    SetPrefString("", versionValueName(), version);
    ClosePref();
}

}  // namespace settings
