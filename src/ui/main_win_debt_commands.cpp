// The main window's debt commands: add, edit, delete, remove all, re-order, help.

#include <QListWidget>
#include <algorithm>

#include "calc/priorities.h"
#include "ui/debt_sort.h"
#include "ui/main_win.h"
#include "ui/main_win_support.h"

namespace ui {

using namespace main_win_detail;

// ---------------------------------------------------------------- commands

void TMainWin::DoAdd() {
    if (plan_.NumDebts >= plan::kMaxDebts)
        return;
    DebtEntryMode = 1;
    plan_.CurrentDebt = plan_.NumDebts + 1;
    if (debtEntry)
        debtEntry(this, plan_, DebtEntryMode);
    if (plan_.CurrentDebt > plan_.NumDebts)
        plan_.CurrentDebt = plan_.NumDebts;
    SetPriorities();
    ReloadDebtBox();
}

void TMainWin::DoEdit() {
    DebtEntryMode = 2;
    plan_.CurrentDebt = lstbxDebt->currentRow() + 1;
    if (plan_.CurrentDebt < 1 || plan_.CurrentDebt > lstbxDebt->count())
        return;
    if (debtEntry)
        debtEntry(this, plan_, DebtEntryMode);
    SetPriorities();
    ReloadDebtBox();
}

void TMainWin::DoDelete() {
    plan_.CurrentDebt = lstbxDebt->currentRow() + 1;
    if (platform::ask(*services_.boxes, "Warning", "Are you sure you want to delete this Debt?",
                      platform::MsgButtons::YesNo, platform::MsgIcon::Question,
                      static_cast<QWidget*>(this),
                      platform::MsgAnswer::No) != platform::MsgAnswer::Yes)
        return;
    plan::removeDebt(plan_.ActivePlan, plan_.NumDebts, plan_.CurrentDebt);
    plan_.CurrentDebt = std::min(plan_.CurrentDebt, plan_.NumDebts);
    ReloadDebtBox();
}

void TMainWin::DoClear() {
    if (platform::ask(*services_.boxes, "Warning", "Are you sure you want to delete all debts?",
                      platform::MsgButtons::YesNo, platform::MsgIcon::Question,
                      static_cast<QWidget*>(this),
                      platform::MsgAnswer::No) != platform::MsgAnswer::Yes)
        return;
    for (plan::TDebtRec& debt : plan_.ActivePlan.Debts)
        plan::resetDebtSlot(debt);
    plan_.CurrentDebt = 0;
    plan_.NumDebts = 0;
    ReloadDebtBox();
}

void TMainWin::sortBy(int key, bool descending) {
    SortDebts(plan_.ActivePlan, plan_.NumDebts, static_cast<DebtSortKey>(key), descending);
    ReloadDebtBox();
    EnableDisable();
}

void TMainWin::mnuOrderAlphaClick() {
    sortBy(static_cast<int>(DebtSortKey::Name), false);
}
void TMainWin::MenuOrderAlphaUp() {
    sortBy(static_cast<int>(DebtSortKey::Name), true);
}
void TMainWin::mnuOrderPriorClick() {
    sortBy(static_cast<int>(DebtSortKey::Priority), false);
}
void TMainWin::MenuOrderPriorUp() {
    sortBy(static_cast<int>(DebtSortKey::Priority), true);
}
void TMainWin::mnuOrderPayDayClick() {
    sortBy(static_cast<int>(DebtSortKey::PayDay), false);
}
void TMainWin::MenuOrderPayDayUp() {
    sortBy(static_cast<int>(DebtSortKey::PayDay), true);
}

void TMainWin::WMHelp() {
    if (showHelp)
        showHelp("Main_Window.htm");
}

}  // namespace ui
