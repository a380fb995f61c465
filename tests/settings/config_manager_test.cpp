#include "settings/config_manager.h"

#include <gtest/gtest.h>
#include <stdlib.h>

#include <sstream>

#include "platform/ini_file.h"
#include "settings_fixture.h"

namespace {

using platform::LocaleInfo;
using settings::PrefLocation;
using settings::TConfigManager;
using settings::TFontRec;
using testing_support::readFile;
using testing_support::writeFile;

class ConfigManagerTest : public settings_test::SettingsFixture, public ::testing::Test {
  protected:
    std::unique_ptr<TConfigManager> manager(const LocaleInfo& locale = LocaleInfo::englishUS()) {
        auto m = std::make_unique<TConfigManager>(registry, boxes, program(), locale);
        m->ReadPrefLocation();
        return m;
    }
    std::string usbIni() const { return readFile(programFolder() + "debt.ini"); }
    void useUsb() { writePrefLocation("[Preferences]\nLocation=2\n"); }
};

TEST_F(ConfigManagerTest, FreshProfileGivesEveryDefaultAndStoresNoValue) {
    auto c = manager();
    c->LoadSettings(settings::kAllSections);

    EXPECT_EQ(c->MenuStyle, 4);
    EXPECT_EQ(c->MenuAnimation, 0);
    EXPECT_TRUE(c->CurrencyStringScreenGrids);
    EXPECT_TRUE(c->CurrencyStringScreenTotals);
    EXPECT_EQ(c->ButtonAlignment, 2);
    EXPECT_EQ(c->DebtInfoFont, (TFontRec{"Tahoma", 0, 11, 0}));
    EXPECT_EQ(c->ButtonFont, (TFontRec{"Tahoma", 0, 9, 0}));

    EXPECT_TRUE(c->BackupOnStart);
    EXPECT_TRUE(c->BackupOnClose);
    EXPECT_FALSE(c->BackupOnSave);
    EXPECT_FALSE(c->BackupScheduleDays);
    EXPECT_EQ(c->LastBackup, 0);
    EXPECT_EQ(c->Days, 3);
    EXPECT_TRUE(c->BackupMessage);
    EXPECT_EQ(c->BackupCount, 10);
    EXPECT_EQ(c->BackupLocation, 0);
    EXPECT_EQ(c->BackupFolder, (home.home() / ".local/share/Quorvale/").string());
    EXPECT_EQ(c->BackupFilePattern, "_bak###.~dat");
    EXPECT_EQ(c->BackupMessageColor, 12364186);
    EXPECT_EQ(c->BackupMessageAlphaBlendValue, 210);

    EXPECT_EQ(c->ErrorPathV, (home.root() / "tmp").string() + "//Haldrun/Zelvane/");
    EXPECT_TRUE(std::filesystem::is_directory(c->ErrorPathV));

    EXPECT_EQ(c->TopMargin, 0.5);
    EXPECT_EQ(c->LeftMargin, 0.5);
    EXPECT_EQ(c->RightMargin, 0.5);
    EXPECT_EQ(c->BottomMargin, 0.2);
    EXPECT_TRUE(c->ShadeGridHeaders);
    EXPECT_EQ(c->GridHeaderShadeIntensity, 18);
    EXPECT_EQ(c->GridSubHeaderShadeIntensity, 8);
    EXPECT_TRUE(c->UsePermanentHeader && c->UseTemporaryFooter && c->UsePermanentFooter);
    EXPECT_EQ(c->PageInformationFooterFont, (TFontRec{"Tahoma", 5078219, 8, 0}));
    EXPECT_EQ(c->CustomHeaderFont, (TFontRec{"Tahoma", 8388608, 18, 0}));
    EXPECT_EQ(c->TempFooterFont, (TFontRec{"Tahoma", 128, 14, 0}));
    EXPECT_EQ(c->reportFont("FontElimOverviewHeader"),
              (TFontRec{"Tahoma", 0, 12, TFontRec::kBold}));
    EXPECT_EQ(c->reportFont("FontElimCalendarBody"),
              (TFontRec{"Lucida Console", 0, 11, TFontRec::kBold | TFontRec::kItalic}));
    EXPECT_EQ(c->reportFont("FontConGraphicTotals"),
              (TFontRec{"Tahoma", 128, 11, TFontRec::kBold}));
    EXPECT_EQ(c->CurrentPlanColor, 111);
    EXPECT_EQ(c->CurrentPlanPrincColor, 7895452);
    EXPECT_EQ(c->ProposedPlanColor, 6704676);
    EXPECT_EQ(c->ProposedPlanPrincColor, 12232589);
    EXPECT_EQ(c->DebtInformationColor, 924455);
    EXPECT_EQ(c->AlterPaymentColor, 111);
    EXPECT_EQ(c->AlterDurationColor, 24111);

    EXPECT_TRUE(c->ShowSplashScreen);
    EXPECT_EQ(c->SplashScreenTime, 5000);
    EXPECT_EQ(c->Agent, "");
    EXPECT_EQ(c->LastIndex, 0);
    EXPECT_EQ(c->ZoomPercentage, 0);
    EXPECT_EQ(c->ObligationItem[39], "");
    EXPECT_EQ(c->BudgetPayment[0], 0);
    EXPECT_FALSE(c->BudgetAutoCalc);
    EXPECT_EQ(c->SaveOrInvest(), 0);
    EXPECT_EQ(c->ExtraPayment(360), 0);
    EXPECT_EQ(c->Uses, 0);
    EXPECT_FALSE(c->AllUsersSame);

    // Sections were opened (keys created), but no value was written.
    EXPECT_EQ(userHive().find('='), std::string::npos) << userHive();
    EXPECT_NE(
        userHive().find("[HKEY_CURRENT_USER\\Software\\Quorvale\\Zelvane\\ExtraPaymentsForm]"),
        std::string::npos);
}

TEST_F(ConfigManagerTest, FullSaveWritesEveryKeyAndLoadsBackUnchanged) {
    useUsb();
    auto first = manager();
    first->LoadSettings(settings::kAllSections);
    first->SaveSettings(settings::kAllSections);
    const std::string saved = usbIni();

    const auto ini = platform::IniFile::fromText(saved);
    const std::pair<const char*, std::size_t> counts[] = {
        {"Appearance", 5},   {"Fonts", (4 + 5 + 39) * 7},
        {"Backup", 13},      {"File Paths", 1},
        {"Reports", 39},     {"Startup", 2},
        {"MainForm", 7},     {"ReportsForm", 1},
        {"BudgetForm", 163}, {"ExtraPaymentsForm", 360},
        {"Zelvane", 2},
    };
    for (const auto& [section, expected] : counts) {
        std::size_t n = 0;
        std::istringstream in(saved);
        std::string line;
        bool inside = false;
        while (std::getline(in, line)) {
            if (!line.empty() && line[0] == '[') {
                inside = line == std::string("[") + section + "]";
            } else if (inside && line.find('=') != std::string::npos) {
                ++n;
            }
        }
        EXPECT_EQ(n, expected) << section;
    }
    EXPECT_EQ(ini.readString("Reports", "Bottom Margin", ""), "0.2");
    // "On USB" folds only the program's drive; the shared folder lies elsewhere.
    EXPECT_EQ(ini.readString("Backup", "Backup Folder", ""), first->BackupFolder);
    EXPECT_FALSE(ini.valueExists("Backup", "Path"));
    EXPECT_FALSE(ini.valueExists("File Paths", "Error Path"));
    EXPECT_EQ(ini.readString("Backup", "Last Backup", ""), "0000000000000000");
    EXPECT_EQ(ini.readString("Zelvane", "All Users Same", ""), "1");  // forced "On USB"

    auto second = manager();
    second->LoadSettings(settings::kAllSections);
    EXPECT_EQ(second->BackupFolder, first->BackupFolder);
    EXPECT_EQ(second->ReportFonts, first->ReportFonts);
    EXPECT_EQ(second->ExtraPayments, first->ExtraPayments);
    second->SaveSettings(settings::kAllSections);
    EXPECT_EQ(usbIni(), saved);
    EXPECT_FALSE(hivesExist());
}

TEST_F(ConfigManagerTest, FullSaveRoundTripsThroughTheRegistryToo) {
    auto first = manager(LocaleInfo::germanDE());
    first->LoadSettings(settings::kAllSections);
    first->SaveSettings(settings::kAllSections);
    const std::string user = userHive();
    const std::string machine = machineHive();
    EXPECT_NE(user.find("\"Bottom Margin\"=\"0,2\""), std::string::npos);
    EXPECT_NE(user.find("\"Extra Payment 360\"=\"0\""), std::string::npos);
    EXPECT_NE(user.find("\"Last Backup\"=hex:00,00,00,00,00,00,00,00"), std::string::npos);
    EXPECT_NE(machine.find("\"All Users Same\"=dword:00000000"), std::string::npos);

    auto second = manager(LocaleInfo::germanDE());
    second->LoadSettings(settings::kAllSections);
    EXPECT_EQ(second->BottomMargin, 0.2);
    second->SaveSettings(settings::kAllSections);
    EXPECT_EQ(userHive(), user);
    EXPECT_EQ(machineHive(), machine);
}

TEST_F(ConfigManagerTest, OrdinaryUserWithoutAWritableMachineHiveKeepsEverythingPerUser) {
    registry.setReadOnly(platform::RegRoot::LocalMachine, true);
    auto c = manager();
    c->LoadSettings(settings::kAllSections);
    c->StoreVersion("4.0.0");
    c->SaveSettings(settings::kAllSections);  // no box: nothing fails
    EXPECT_FALSE(std::filesystem::exists(registry.hivePath(platform::RegRoot::LocalMachine)));
    EXPECT_NE(userHive().find("\"All Users Same\"=dword:00000000"), std::string::npos);
    EXPECT_NE(userHive().find("\"Zelvane Version\"=\"4.0.0\""), std::string::npos);
}

TEST_F(ConfigManagerTest, ChangedValuesOfEveryKindRoundTripThroughTheRegistry) {
    auto c = manager(LocaleInfo::germanDE());
    c->LoadSettings(settings::kAllSections);
    c->MenuStyle = 5;
    c->LabelFont = {"DejaVu Sans", 0x123456, 13, TFontRec::kItalic | TFontRec::kStrikeOut};
    c->LastBackup = 45678.75;
    c->TopMargin = 0.75;
    c->PermanentFooterLine[2] = "Footer \"three\" \\ back";
    c->reportFont("FontConSummaryBody").Style = TFontRec::kUnderline;
    c->ZoomPercentage = 1.5;
    c->ObligationItem[0] = "Rent";
    c->ObligationPayment[0] = 1234.56;
    c->BudgetMonthlyIncome = 4000.5;
    c->SaveOrInvest() = 12.5;
    c->ExtraPayments[360] = 99.99;
    c->LastIndex = -1;
    c->SaveSettings(settings::kAllSections);
    EXPECT_NE(userHive().find("\"Obligation Payment 1\"=\"1234,56\""), std::string::npos);
    EXPECT_NE(userHive().find("\"Top Margin\"=\"0,75\""), std::string::npos);
    EXPECT_NE(userHive().find("\"Backup Folder\"=\"[CSIDL-COMMON-DOCUMENTS]Quorvale/\""),
              std::string::npos);

    auto back = manager(LocaleInfo::germanDE());
    back->LoadSettings(settings::kAllSections);
    EXPECT_EQ(back->MenuStyle, 5);
    EXPECT_EQ(back->LabelFont, c->LabelFont);
    EXPECT_EQ(back->LastBackup, 45678.75);
    EXPECT_EQ(back->TopMargin, 0.75);
    EXPECT_EQ(back->PermanentFooterLine[2], "Footer \"three\" \\ back");
    EXPECT_EQ(back->reportFont("FontConSummaryBody").Style, TFontRec::kUnderline);
    EXPECT_EQ(back->ZoomPercentage, 1.5);
    EXPECT_EQ(back->ObligationItem[0], "Rent");
    EXPECT_EQ(back->ObligationPayment[0], 1234.56);
    EXPECT_EQ(back->BudgetMonthlyIncome, 4000.5);
    EXPECT_EQ(back->SaveOrInvest(), 12.5);
    EXPECT_EQ(back->ExtraPayment(360), 99.99);
    EXPECT_EQ(back->LastIndex, -1);
}

TEST_F(ConfigManagerTest, MarginWithTheOtherSeparatorIsRead) {
    useUsb();
    writeFile(programFolder() + "debt.ini", "[Reports]\nTop Margin=0,75\nLeft Margin=1.25\n");
    auto c = manager();
    c->LoadSettings(settings::kReports);
    EXPECT_EQ(c->TopMargin, 0.75);
    EXPECT_EQ(c->LeftMargin, 1.25);
}

TEST_F(ConfigManagerTest, UnreadableExtraPaymentWarnsAndLoadingGoesOn) {
    useUsb();
    writeFile(programFolder() + "debt.ini",
              "[ExtraPaymentsForm]\nExtra Payment 16=5\nExtra Payment 17=abc\n"
              "Extra Payment 18=7.5\nExtra Payment 360=1\n");
    boxes.expect("Zelvane Error",
                 "Zelvane error reading Extra Payment abc:\r\n\r\n"
                 "'abc' is not a valid floating point value",
                 platform::MsgIcon::Warning);
    auto c = manager();
    c->LoadSettings(settings::kExtraPaymentsForm);
    EXPECT_EQ(c->ExtraPayment(16), 5);
    EXPECT_EQ(c->ExtraPayment(17), 0);
    EXPECT_EQ(c->ExtraPayment(18), 7.5);
    EXPECT_EQ(c->ExtraPayment(360), 1);
}

TEST_F(ConfigManagerTest, UnreadableMarginOrBudgetAmountFallsBackToItsDefault) {
    useUsb();
    writeFile(programFolder() + "debt.ini",
              "[Reports]\nTop Margin=wide\nBottom Margin=0.3\nPrint Page Numbers=0\n"
              "[BudgetForm]\nObligation Payment 2=1,5\nBudget Item 1=Food\n"
              "Budget Monthly Income =x\nSave or Invest =20\n");
    boxes.expect("Zelvane Error",
                 "Zelvane error reading Top Margin wide:\r\n\r\n"
                 "'wide' is not a valid floating point value",
                 platform::MsgIcon::Warning);
    boxes.expect("Zelvane Error",
                 "Zelvane error reading Obligation Payment 2 1,5:\r\n\r\n"
                 "'1,5' is not a valid floating point value",
                 platform::MsgIcon::Warning);
    boxes.expect(settings_test::boxContaining("Zelvane Error",
                                              "Zelvane error reading Budget Monthly Income x:"));
    auto c = manager();
    c->LoadSettings(settings::kReports);
    c->LoadSettings(settings::kBudgetForm);
    EXPECT_EQ(c->TopMargin, 0.5);
    EXPECT_EQ(c->BottomMargin, 0.3);
    EXPECT_FALSE(c->PrintPageNumbers);
    EXPECT_EQ(c->ObligationPayment[1], 0);
    EXPECT_EQ(c->BudgetItem[0], "Food");
    EXPECT_EQ(c->BudgetMonthlyIncome, 0);
    EXPECT_EQ(c->SaveOrInvest(), 20);
}

TEST_F(ConfigManagerTest, FixedLengthTextsAreCut) {
    useUsb();
    const std::string agent80(80, 'a');
    writeFile(programFolder() + "debt.ini",
              "[MainForm]\nAgent=" + agent80 +
                  "\n[BudgetForm]\nObligation Item 1=Credit card number one\n"
                  "Budget Item 40=\xC3\xA4\xC3\xB6\xC3\xBC" +
                  std::string(20, 'x') + "\n");
    auto c = manager();
    c->LoadSettings(settings::kAllSections);
    EXPECT_EQ(c->Agent, std::string(60, 'a'));
    EXPECT_EQ(c->ObligationItem[0], "Credit card numbe");
    EXPECT_EQ(c->BudgetItem[39], "\xC3\xA4\xC3\xB6\xC3\xBC" + std::string(14, 'x'));
    c->SaveSettings(settings::kMainForm);
    EXPECT_NE(usbIni().find("Agent=" + std::string(60, 'a') + "\n"), std::string::npos);
}

TEST_F(ConfigManagerTest, SavingOneSectionWritesOnlyIt) {
    useUsb();
    auto c = manager();
    c->LoadSettings(settings::kAllSections);
    c->SaveSettings(settings::kBudgetForm);
    const auto ini = platform::IniFile::fromText(usbIni());
    EXPECT_EQ(ini.sectionNames(), (std::vector<std::string>{"BudgetForm"}));
    c->SaveSettings(settings::kRootSection);
    EXPECT_EQ(platform::IniFile::fromText(usbIni()).sectionNames(),
              (std::vector<std::string>{"BudgetForm", "Zelvane"}));
    c->SaveSettings(settings::kFontsSection);  // not a selector of its own
    EXPECT_EQ(platform::IniFile::fromText(usbIni()).sectionNames().size(), 2u);
}

TEST_F(ConfigManagerTest, StoredFontStyleFlagsAreCombined) {
    useUsb();
    writeFile(programFolder() + "debt.ini",
              "[Fonts]\nEdit Font Bold=1\nEdit Font Underline=1\nEdit Font Strikeout=1\n"
              "FontElimCalendarBody Italic=0\nFontElimCalendarBody Name=Courier New\n");
    auto c = manager();
    c->LoadSettings(settings::kAllSections);
    EXPECT_EQ(c->EditFont.Style, TFontRec::kBold | TFontRec::kUnderline | TFontRec::kStrikeOut);
    EXPECT_EQ(c->reportFont("FontElimCalendarBody"),
              (TFontRec{"Courier New", 0, 11, TFontRec::kBold}));
}

TEST_F(ConfigManagerTest, AllUsersSameIsReadOnlyInRegistryClassic) {
    platform::RegistryKey key(registry, platform::RegRoot::CurrentUser);
    ASSERT_TRUE(key.openKey("Software\\Quorvale\\Zelvane", true));
    key.writeBool("All Users Same", true);
    key.closeKey();

    auto registryLocation = manager();
    registryLocation->LoadSettings(settings::kRootSection);
    EXPECT_FALSE(registryLocation->AllUsersSame);

    writePrefLocation("[Preferences]\nLocation=3\n");
    auto classic = manager();
    classic->LoadSettings(settings::kRootSection);
    EXPECT_TRUE(classic->AllUsersSame);
}

TEST_F(ConfigManagerTest, StoreVersionKeepsThePreviousOne) {
    auto c = manager();
    c->StoreVersion("4.0.0");
    EXPECT_EQ(c->PreviousVersion, "");
    c->StoreVersion("4.1.0");
    EXPECT_EQ(c->PreviousVersion, "4.0.0");
    c->StoreVersion("");
    EXPECT_EQ(c->PreviousVersion, "4.0.0");
    // A customised display name names another value: no previous version yet.
    c->setDisplayName("Budget Pro");
    c->StoreVersion("4.1.0");
    EXPECT_EQ(c->PreviousVersion, "");
    EXPECT_NE(machineHive().find("\"Budget Pro Version\"=\"4.1.0\""), std::string::npos);
}

TEST_F(ConfigManagerTest, ErrorPathIsExpandedForTheFolderButStoredAsWritten) {
    useUsb();
    ::setenv("DEBT_TEST_LOGS", (home.root() / "logs").c_str(), 1);
    writeFile(programFolder() + "debt.ini", "[File Paths]\nError Path v=%DEBT_TEST_LOGS%/crash/\n");
    auto c = manager();
    c->LoadSettings(settings::kFilePaths);
    ::unsetenv("DEBT_TEST_LOGS");
    EXPECT_EQ(c->ErrorPathV, "%DEBT_TEST_LOGS%/crash/");
    EXPECT_TRUE(std::filesystem::is_directory(home.root() / "logs/crash"));
}

TEST_F(ConfigManagerTest, BusyIndicatorIsResetAfterTheSave) {
    useUsb();
    auto c = manager();
    std::vector<bool> calls;
    c->onBusy = [&](bool busy) { calls.push_back(busy); };
    c->SaveSettings(settings::kStartup);
    EXPECT_EQ(calls, (std::vector<bool>{true, false}));
}

}  // namespace
