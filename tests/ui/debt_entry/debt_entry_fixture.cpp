#include "debt_entry_fixture.h"

#include <gtest/gtest.h>

#include <QtTest/QTest>

namespace testing_support {

DebtEntryFixture::DebtEntryFixture() {
    for (plan::TDebtRec& d : state.ActivePlan.Debts)
        plan::resetDebtSlot(d);
    state.ActivePlan.ReductionPlan = 1;
    state.ActivePlan.PriorityMethod = 1;  // "Highest Rate First"
    services.boxes = &boxes;
    services.locale = platform::LocaleInfo::englishUS();
    services.beep = [this] { ++beeps; };
    services.debtsChanged = [this] { ++changes; };
    services.showHelp = [this](const std::string& topic) { helpTopics.push_back(topic); };
}

DebtEntryFixture::~DebtEntryFixture() {
    form.reset();
}

void DebtEntryFixture::addDebt(const DebtValues& v) {
    plan::TDebtRec& d = state.ActivePlan.Debts[state.NumDebts];
    d.Name.setText(v.name);
    d.Balance = v.balance;
    d.Rate = v.rate;
    d.RateKind = static_cast<std::uint16_t>(v.rateKind);
    d.MinPayment = v.minPay;
    d.MinPayIsPercent = v.percent ? 1 : 0;
    d.CurrentPayment = v.curPay;
    d.PayDay = static_cast<std::uint16_t>(v.payDay);
    d.Priority = static_cast<std::uint16_t>(state.NumDebts + 1);
    ++state.NumDebts;
}

ui::TfrmDebtEntry& DebtEntryFixture::open(int number) {
    const bool adding = number == 0;
    state.CurrentDebt = adding ? state.NumDebts + 1 : number;
    form = std::make_unique<ui::TfrmDebtEntry>(state, services, adding);
    form->show();
    form->activateWindow();
    EXPECT_TRUE(QTest::qWaitForWindowActive(form.get()));
    return *form;
}

QLineEdit* DebtEntryFixture::edit(const char* name) const {
    auto* e = form->findChild<QLineEdit*>(QString::fromUtf8(name));
    EXPECT_NE(e, nullptr) << name;
    return e;
}

void DebtEntryFixture::put(const char* name, const std::string& text) {
    edit(name)->setText(QString::fromStdString(text));
}

void enterValidDebt(DebtEntryFixture& f, const std::string& name) {
    f.put("edtDebtName", name);
    f.put("edtBalance", "1,000.00");
    f.put("edtIntRate", "12");
    f.put("edtMinPay", "50.00");
    f.put("edtCurPay", "60.00");
    f.put("edtPayDate", "15");
}

}  // namespace testing_support
