#pragma once

// A main window started on a fresh profile in a temporary home, with scripted message
// boxes, the English (United States) locale and a fixed date.

#include <gtest/gtest.h>

#include <QApplication>
#include <QComboBox>
#include <QLabel>
#include <QLineEdit>
#include <QListWidget>
#include <QPushButton>
#include <filesystem>
#include <memory>

#include "main_win_profile.h"
#include "plan/new_plan.h"
#include "ui/main_win.h"

namespace ui_testing {

namespace fs = std::filesystem;

// One debt for a plan.
struct DebtSpec {
    std::string name;
    double balance = 1000;
    double minimum = 25;
    bool percent = false;
    double current = 50;
    double rate = 12;
    int rateKind = 1;
    int priority = 0;  // 0: the debt's position, so priorities differ
    int payDay = 1;
};

inline plan::TClientRec planWith(const std::vector<DebtSpec>& debts, int reductionPlan = 1,
                                 int priorityMethod = 10) {
    plan::TClientRec p = plan::newPlan(plan::NewPlanDefaults{}, {2027, 3, 15}, "");
    p.ReductionPlan = static_cast<std::uint16_t>(reductionPlan);
    p.PriorityMethod = static_cast<std::uint16_t>(priorityMethod);
    for (std::size_t i = 0; i < debts.size(); ++i) {
        plan::TDebtRec& d = p.Debts[i];
        const DebtSpec& s = debts[i];
        d.Name.setText(s.name);
        d.Balance = s.balance;
        d.MinPayment = s.minimum;
        d.MinPayIsPercent = s.percent ? 1 : 0;
        d.CurrentPayment = s.current;
        d.Rate = s.rate;
        d.RateKind = static_cast<std::uint16_t>(s.rateKind);
        d.Priority = static_cast<std::uint16_t>(s.priority > 0 ? s.priority : int(i) + 1);
        d.PayDay = static_cast<std::uint16_t>(s.payDay);
    }
    p.DebtCount = static_cast<std::uint16_t>(debts.size());
    return p;
}

class MainWinTest : public MainWinProfile {
  protected:
    ui::StartupServices services() {
        ui::StartupServices s = MainWinProfile::services();
        s.locale = locale;
        s.today = [] { return plan::Date{2027, 3, 15}; };
        return s;
    }

    // Starts and shows the window.
    ui::TMainWin& start() {
        window = std::make_unique<ui::TMainWin>(state, services());
        window->show();
        QApplication::processEvents();
        return *window;
    }

    // Puts a plan on screen as if it had been loaded.
    void show(const plan::TClientRec& p) {
        plan::PlanState& s = window->planState();
        s.ActivePlan = p;
        s.SavedPlan = p;
        s.NumDebts = p.DebtCount;
        s.CurrentDebt = 0;
        window->config().LastReductionPlan = p.ReductionPlan - 1;
        window->PutClientToScreen();
        window->EnableDisable();
    }

    template <class W>
    W* find(const char* name) {
        W* w = window->findChild<W*>(QString::fromLatin1(name));
        EXPECT_NE(w, nullptr) << name;
        return w;
    }
    std::string text(const char* name) { return find<QLabel>(name)->text().toStdString(); }
    std::vector<std::string> debtNames() {
        std::vector<std::string> names;
        const plan::PlanState& s = window->planState();
        for (int i = 0; i < s.NumDebts; ++i)
            names.push_back(s.ActivePlan.Debts[i].Name.text());
        return names;
    }

    platform::LocaleInfo locale = platform::LocaleInfo::englishUS();
    std::unique_ptr<ui::TMainWin> window;
};

}  // namespace ui_testing
