#pragma once

// A plan in memory with a few debts, the debt entry form over it, and recorded beeps,
// help topics and change notices.

#include <QLineEdit>
#include <memory>
#include <string>
#include <vector>

#include "plan/plan_state.h"
#include "scripted_message_boxes.h"
#include "ui/debt_entry/frm_debt_entry.h"

namespace testing_support {

struct DebtValues {
    std::string name;
    double balance = 0;
    double rate = 0;
    double minPay = 0;
    double curPay = 0;
    int rateKind = 1;
    bool percent = false;
    int payDay = 1;
};

class DebtEntryFixture {
  public:
    DebtEntryFixture();
    ~DebtEntryFixture();

    // Appends a debt to the plan.
    void addDebt(const DebtValues& values);
    // Opens the form: on debt `number`, or on a new debt with 0. Shown and active.
    ui::TfrmDebtEntry& open(int number);

    QLineEdit* edit(const char* name) const;
    QString text(const char* name) const { return edit(name)->text(); }
    // Replaces a field's text as a paste would (no key filter).
    void put(const char* name, const std::string& text);
    const plan::TDebtRec& debt(int number) const { return state.ActivePlan.Debts[number - 1]; }

    plan::PlanState state;
    ScriptedMessageBoxes boxes;
    ui::DebtEntryServices services;
    int beeps = 0;
    int changes = 0;
    std::vector<std::string> helpTopics;
    std::unique_ptr<ui::TfrmDebtEntry> form;
};

// Fills the fields of an open form with a debt that passes every check.
void enterValidDebt(DebtEntryFixture& f, const std::string& name);

}  // namespace testing_support
