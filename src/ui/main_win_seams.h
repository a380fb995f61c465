#pragma once

// What the main window calls on windows built elsewhere. The program connects the real
// ones; tests put in fakes.

#include <functional>
#include <optional>
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

// The Open dialog over `owner`: the record chosen to open, nothing when it was cancelled.
// Records deleted in the dialog have already renumbered `state.PlanIndex`.
using OpenPlanLauncher = std::function<std::optional<int>(QWidget* owner, plan::PlanState& state)>;

// Windows of the commands that come with later work. An empty hook makes its command do
// nothing (the menu item is still there).
struct MainWinHooks {
    // Report selection: `reductionPlan` 1 or 3 the debt elimination reports (timed when
    // not 1), 2 the consolidation reports. Runs after the screen checks passed.
    std::function<void(QWidget* owner, int reductionPlan)> reports;
    // The what-if calculator for debt `debtNumber` (1-based).
    std::function<void(QWidget* owner, int debtNumber)> whatIf;
    // The budget form; `useResult` tells it that its amount is wanted. Returns the computed
    // amount when the flag was still set when it closed.
    std::function<std::optional<double>(QWidget* owner, bool useResult)> budget;
    std::function<void(QWidget* owner)> variablePayment;
    std::function<void(QWidget* owner)> password;
    // The bug reporter's configuration with the display name and the web site's address.
    std::function<void(const std::string& displayName, const std::string& siteAddress)> bugReporter;
    // The preferences dialog; the window reloads its settings afterwards.
    std::function<void(QWidget* owner)> preferences;
    std::function<void(QWidget* owner)> tempFooter;
    // A new plan was set up: the reports' temporary footer lines are cleared.
    std::function<void()> newPlanStarted;
    std::function<void(QWidget* owner)> about;
    // Back up the data file now, also when it is unchanged; restore a backup.
    std::function<void(QWidget* owner)> backupNow;
    std::function<void(QWidget* owner)> restoreBackup;
    // The crash log's folder ("Error Path" with environment references expanded).
    std::function<void(const std::string& folder)> errorLogFolder;
    // Opens a web address; empty: the desktop's browser.
    std::function<void(const std::string& address)> openUrl;
};

}  // namespace ui
