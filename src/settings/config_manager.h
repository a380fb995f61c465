#pragma once

// TConfigManager: the program's one configuration object. Every setting is a plain public
// field; LoadSettings and SaveSettings move them section by section between the fields
// and the store of TConfigBase. Forms read the fields directly.

#include <array>
#include <cstdint>
#include <functional>
#include <string>

#include "platform/locale_info.h"
#include "settings/config_base.h"

namespace settings {

// One configured font. Color is 0x00BBGGRR, Size in points.
struct TFontRec {
    std::string Name;
    std::int32_t Color = 0;
    std::int32_t Size = 0;
    std::uint8_t Style = 0;  // kBold | kItalic | kUnderline | kStrikeOut

    static constexpr std::uint8_t kBold = 1;
    static constexpr std::uint8_t kItalic = 2;
    static constexpr std::uint8_t kUnderline = 4;
    static constexpr std::uint8_t kStrikeOut = 8;
    bool operator==(const TFontRec&) const = default;
};

// Section indexes of LoadSettings and SaveSettings.
enum SettingsSection : int {
    kAllSections = 0,
    kAppearance = 1,
    kFontsSection = 2,  // not a selector of its own: fonts go with 1 and 5
    kBackup = 3,
    kFilePaths = 4,
    kReports = 5,
    kStartup = 6,
    kMainForm = 7,
    kReportsForm = 8,
    kBudgetForm = 9,
    kExtraPaymentsForm = 10,
    kRootSection = 11,
};

inline constexpr int kBudgetLines = 40;
inline constexpr int kExtraPaymentMonths = 360;
inline constexpr std::size_t kBudgetNameLength = 17;
inline constexpr std::size_t kAgentLength = 60;
inline constexpr int kReportSectionFonts = 39;

// The report section font prefixes in declaration and load order.
extern const std::array<const char*, kReportSectionFonts> kReportFontPrefixes;

class SectionExchange;

class TConfigManager : public TConfigBase {
  public:
    TConfigManager(platform::Registry& registry, platform::MessageBoxes& boxes,
                   ProgramLocation program, platform::LocaleInfo locale);

    void LoadSettings(int index);
    void SaveSettings(int index);
    void ReadPreviousVersion();
    void StoreVersion(const std::string& version);
    // The root value that holds the version of the program that ran last.
    std::string versionValueName() const { return displayName() + " Version"; }

    // Shown while settings load or save (an hourglass); called with true, then false.
    std::function<void(bool busy)> onBusy;
    // The window that owns the warning about an unreadable stored number.
    platform::WindowHandle mainWindow = nullptr;
    const platform::LocaleInfo& locale() const { return locale_; }

    // 1. screen fonts
    TFontRec DebtInfoFont, LabelFont, EditFont, ButtonFont;
    // 2. appearance
    std::int32_t MenuStyle = 0;
    std::int32_t MenuAnimation = 0;
    bool CurrencyStringScreenGrids = false;
    bool CurrencyStringScreenTotals = false;
    std::int32_t ButtonAlignment = 0;
    // 3. backup
    bool BackupOnStart = false;
    bool BackupOnClose = false;
    bool BackupOnSave = false;
    bool BackupScheduleDays = false;
    std::int32_t Days = 0;
    double LastBackup = 0;  // days since 30 December 1899
    bool BackupMessage = false;
    std::int32_t BackupCount = 0;
    std::int32_t BackupLocation = 0;
    std::string BackupFolder;
    std::string BackupFilePattern;
    std::int32_t BackupMessageColor = 0;
    std::int32_t BackupMessageAlphaBlendValue = 0;
    // 4. file paths
    std::string ErrorPathV;  // as stored, %VARIABLES% not expanded
    // 5. report margins, inches
    double TopMargin = 0, LeftMargin = 0, RightMargin = 0, BottomMargin = 0;
    // 6. report grids and page information
    bool CurrencyStringGrids = false;
    bool CurrencyStringTotals = false;
    bool ShadeGridHeaders = false;
    std::int32_t GridHeaderShadeColor = 0;
    std::int32_t GridHeaderShadeIntensity = 0;
    std::int32_t GridSubHeaderShadeColor = 0;
    std::int32_t GridSubHeaderShadeIntensity = 0;
    bool PrintDatePrinted = false;
    bool PrintPageNumbers = false;
    bool PrintReportName = false;
    // 7. headers and footers
    TFontRec PageInformationFooterFont, PersHeaderFont;
    bool UsePermanentHeader = false;
    TFontRec CustomHeaderFont;
    std::array<std::string, 3> PermanentHeaderLine;
    bool UseTemporaryFooter = false;
    bool UsePermanentFooter = false;
    TFontRec PermFooterFont;
    std::array<std::string, 3> PermanentFooterLine;
    TFontRec TempFooterFont;
    // 8.
    std::int32_t TimedDebtElimReportFontsIdx = 0;
    std::int32_t ConsolidationReportFontsIdx = 0;
    // 9. report section fonts in the order of kReportFontPrefixes
    std::array<TFontRec, kReportSectionFonts> ReportFonts;
    // 10. graph and calculator colours and patterns
    std::int32_t CurrentPlanColor = 0, CurrentPlanPattern = 0;
    std::int32_t CurrentPlanPrincColor = 0, CurrentPlanPrincPattern = 0;
    std::int32_t ProposedPlanColor = 0, ProposedPlanPattern = 0;
    std::int32_t ProposedPlanPrincColor = 0, ProposedPlanPrincPattern = 0;
    std::int32_t DebtInformationColor = 0, DebtInformationPattern = 0;
    std::int32_t AlterPaymentColor = 0, AlterPaymentPattern = 0;
    std::int32_t AlterDurationColor = 0, AlterDurationPattern = 0;
    // 11. start-up
    bool ShowSplashScreen = false;
    std::int32_t SplashScreenTime = 0;
    // 12.
    std::string Agent;  // at most 60 characters
    // 13. main form
    std::int32_t LastIndex = 0;
    std::int32_t LastPriorityMethod = 0;
    std::int32_t LastReductionPlan = 0;
    std::int32_t LastConsolidationMethod = 0;
    std::int32_t LastConsolidationRateMethod = 0;
    std::int32_t ExtraPaymentSource = 0;
    // 14.
    double ZoomPercentage = 0;
    // 15. default budget of a new plan
    std::array<std::string, kBudgetLines> ObligationItem;  // at most 17 characters each
    std::array<double, kBudgetLines> ObligationPayment{};
    std::array<std::string, kBudgetLines> BudgetItem;
    std::array<double, kBudgetLines> BudgetPayment{};
    bool BudgetAutoCalc = false;
    double BudgetMonthlyIncome = 0;
    // 16. element 0 is "Save or Invest ", elements 1..360 the default extra payments
    std::array<double, kExtraPaymentMonths + 1> ExtraPayments{};
    double& SaveOrInvest() { return ExtraPayments[0]; }
    double SaveOrInvest() const { return ExtraPayments[0]; }
    double ExtraPayment(int month) const { return ExtraPayments[static_cast<std::size_t>(month)]; }
    // 17.
    std::int32_t Uses = 0;
    // AllUsersSame lives in TConfigBase, which steers the store by it.
    std::string PreviousVersion;

    // The section fonts by prefix, e.g. reportFont("FontElimSummaryBody").
    TFontRec& reportFont(const std::string& prefix);

  private:
    friend class SectionExchange;
    void runSection(int scope, const char* section, bool loading,
                    void (TConfigManager::*exchange)(SectionExchange&));
    void exchangeAppearance(SectionExchange& io);
    void exchangeScreenFonts(SectionExchange& io);
    void exchangeBackup(SectionExchange& io);
    void exchangeFilePaths(SectionExchange& io);
    void exchangeReports(SectionExchange& io);
    void exchangeReportFonts(SectionExchange& io);
    void exchangeStartup(SectionExchange& io);
    void exchangeMainForm(SectionExchange& io);
    void exchangeReportsForm(SectionExchange& io);
    void exchangeBudgetForm(SectionExchange& io);
    void exchangeExtraPayments(SectionExchange& io);
    void exchangeUses(SectionExchange& io);
    void exchangeAllUsersSame(SectionExchange& io);
    void transfer(int index, bool loading);
    void afterFilePathsLoaded();
    void warnUnreadableNumber(const std::string& key, const std::string& text,
                              const std::string& message);

    platform::LocaleInfo locale_;
};

// Cuts a UTF-8 text to `maxChars` characters (each stands for one byte of the code page
// the plan records use).
std::string cutToCharacters(const std::string& text, std::size_t maxChars);

}  // namespace settings
