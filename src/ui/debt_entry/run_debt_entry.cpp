#include "ui/debt_entry/run_debt_entry.h"

#include <QMainWindow>

#include "app/qt_screen_fonts.h"
#include "settings/config_manager.h"
#include "settings/toolbar_layouts.h"
#include "ui/debt_entry/frm_debt_entry.h"

namespace ui {

bool runDebtEntry(QWidget* owner, plan::PlanState& state, int debtNumber,
                  const DebtEntryServices& services) {
    const bool adding = debtNumber == 0;
    if (adding) {
        if (state.NumDebts >= plan::kMaxDebts)
            return false;
        state.CurrentDebt = state.NumDebts + 1;
    } else {
        if (debtNumber < 1 || debtNumber > state.NumDebts)
            return false;
        state.CurrentDebt = debtNumber;
    }
    TfrmDebtEntry form(state, services, adding, owner);
    form.exec();
    // A new debt left without adding it leaves no row to select.
    if (state.CurrentDebt > state.NumDebts)
        state.CurrentDebt = state.NumDebts;
    return form.accepted();
}

DebtEntryServices debtEntryServicesFrom(settings::TConfigManager& config,
                                        platform::MessageBoxes& boxes, std::string displayName,
                                        std::function<void(const std::string&)> showHelp,
                                        std::function<void()> debtsChanged) {
    DebtEntryServices s;
    s.boxes = &boxes;
    s.locale = config.locale();
    s.displayName = std::move(displayName);
    s.currencyStringScreenGrids = config.CurrencyStringScreenGrids;
    s.currencyStringScreenTotals = config.CurrencyStringScreenTotals;
    s.buttonAlignment = config.ButtonAlignment;
    s.showHelp = std::move(showHelp);
    s.debtsChanged = std::move(debtsChanged);
    s.applyAppearance = [&config](QMainWindow& form) { app::ApplyScreenFonts(&form, config); };
    const std::string formName = "frmDebtEntry";
    s.loadToolbarLayout = [&config, formName] {
        settings::ToolbarLayoutStore store(config);
        const auto bytes = store.load(formName);
        if (!bytes)
            return QByteArray();
        return QByteArray(reinterpret_cast<const char*>(bytes->data()),
                          static_cast<qsizetype>(bytes->size()));
    };
    s.saveToolbarLayout = [&config, formName](const QByteArray& layout) {
        settings::ToolbarLayoutStore store(config);
        store.save(formName, std::vector<std::uint8_t>(layout.begin(), layout.end()));
    };
    return s;
}

}  // namespace ui
