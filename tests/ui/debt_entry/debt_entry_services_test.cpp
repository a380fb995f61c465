// The debt entry form's services taken from the program's configuration.

#include <gtest/gtest.h>

#include <QLineEdit>
#include <QtTest/QTest>

#include "debt_entry_fixture.h"
#include "settings/config_manager.h"
#include "settings/toolbar_layouts.h"
#include "temp_home.h"
#include "ui/debt_entry/run_debt_entry.h"

namespace {

class DebtEntryServicesFromConfig : public ::testing::Test {
  protected:
    testing_support::TempHome home;
    platform::Registry registry = platform::Registry::fromEnvironment();
    testing_support::ScriptedMessageBoxes configBoxes;
    settings::TConfigManager config{
        registry, configBoxes, {"/opt/z/", "debt", "/"}, platform::LocaleInfo::germanDE()};
};

TEST_F(DebtEntryServicesFromConfig, SettingsFontsAndToolbarLayout) {
    config.CurrencyStringScreenGrids = true;
    config.ButtonAlignment = 1;
    config.EditFont = {"Edit Face", 0, 13, 0};
    testing_support::DebtEntryFixture f;
    std::vector<std::string> topics;
    int changes = 0;
    f.services = ui::debtEntryServicesFrom(
        config, f.boxes, "Acme", [&](const std::string& t) { topics.push_back(t); },
        [&] { ++changes; });
    EXPECT_EQ(f.services.boxes, &f.boxes);
    EXPECT_EQ(f.services.displayName, "Acme");
    EXPECT_EQ(f.services.locale.decimalSeparator, ",");
    EXPECT_TRUE(f.services.currencyStringScreenGrids);
    EXPECT_FALSE(f.services.currencyStringScreenTotals);
    EXPECT_EQ(f.services.buttonAlignment, 1);

    f.addDebt({"Visa", 1000, 12, 50, 60, 1, false, 15});
    f.open(1);
    EXPECT_EQ(f.text("edtBalance"), QStringLiteral("1.000,00 €"));
    EXPECT_EQ(f.edit("edtBalance")->font().family(), QStringLiteral("Edit Face"));
    QTest::keyClick(f.edit("edtDebtName"), Qt::Key_F1);
    EXPECT_EQ(topics, std::vector<std::string>{"Enter_Debt_Information.htm"});
    f.put("edtDebtName", "Visa 2");
    f.form->btnOKClick();
    EXPECT_EQ(changes, 1);

    settings::ToolbarLayoutStore store(config);
    const auto layout = store.load("frmDebtEntry");
    ASSERT_TRUE(layout.has_value());
    EXPECT_FALSE(layout->empty());
    EXPECT_FALSE(f.services.loadToolbarLayout().isEmpty());
}

}  // namespace
