#pragma once

// The main window's way into the debt entry form.

#include <functional>
#include <string>

#include "plan/plan_state.h"
#include "ui/debt_entry/debt_entry_services.h"

class QWidget;

namespace settings {
class TConfigManager;
}

namespace ui {

// Opens "Enter Debt Information" modally over `owner` for debt `debtNumber` (1..NumDebts)
// or, with 0, for a new debt in slot NumDebts + 1 (state.CurrentDebt is set accordingly).
// Returns true when the form was closed with OK. Afterwards CurrentDebt is the debt the
// form showed last, or NumDebts when a new debt was left without adding it. Debts stored while walking through the
// plan stay stored after Cancel too; services.debtsChanged reports every change. Opens
// nothing and returns false for a debt number outside 1..NumDebts, or for a new debt
// when the plan already holds 50.
bool runDebtEntry(QWidget* owner, plan::PlanState& state, int debtNumber,
                  const DebtEntryServices& services);

// The services from the program's configuration: its settings, screen fonts and the
// form's toolbar layout under "frmDebtEntry".
DebtEntryServices debtEntryServicesFrom(settings::TConfigManager& config,
                                        platform::MessageBoxes& boxes, std::string displayName,
                                        std::function<void(const std::string&)> showHelp,
                                        std::function<void()> debtsChanged);

}  // namespace ui
