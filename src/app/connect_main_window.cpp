#include "app/connect_main_window.h"

#include "ui/debt_entry/run_debt_entry.h"

namespace app {

void ConnectMainWindow(ui::TMainWin& window, platform::MessageBoxes& boxes,
                       const ProcessState& state, HelpViewer& help) {
    window.showHelp = help.function();
    window.debtEntry = [&window, &boxes, &state, &help](QWidget* owner, plan::PlanState& plan,
                                                        int debtEntryMode) {
        const ui::DebtEntryServices services =
            ui::debtEntryServicesFrom(window.config(), boxes, state.DisplayName, help.function(),
                                      [&window] { window.ReloadDebtBox(); });
        // The form takes 0 for a new debt, else the number of the debt to edit.
        return ui::runDebtEntry(owner, plan, debtEntryMode == 1 ? 0 : plan.CurrentDebt, services);
    };
    window.onClosed = [&help] { help.closeWindow(); };
}

}  // namespace app
