#pragma once

// What the main window calls on windows built elsewhere. The program connects the real
// ones; tests put in fakes.

#include <functional>
#include <string>

#include "plan/plan_state.h"

class QWidget;

namespace ui {

// Shows the debt entry form modally over `owner` for debt `state.CurrentDebt` of
// `state.ActivePlan`; `debtEntryMode` is 1 to add a debt, 2 to edit one. The form changes
// ActivePlan, NumDebts and CurrentDebt itself. Returns whether it was closed with OK.
using DebtEntryLauncher =
    std::function<bool(QWidget* owner, plan::PlanState& state, int debtEntryMode)>;

// Opens a topic of the help ("Main_Window.htm").
using HelpLauncher = std::function<void(const std::string& topic)>;

}  // namespace ui
