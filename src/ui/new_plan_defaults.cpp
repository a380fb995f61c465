#include "ui/new_plan_defaults.h"

namespace ui {

plan::NewPlanDefaults NewPlanDefaultsFrom(const settings::TConfigManager& config) {
    plan::NewPlanDefaults d;
    d.lastReductionPlan = config.LastReductionPlan;
    d.lastConsolidationMethod = config.LastConsolidationMethod;
    d.lastConsolidationRateMethod = config.LastConsolidationRateMethod;
    d.lastPriorityMethod = config.LastPriorityMethod;
    d.extraPaymentSource = config.ExtraPaymentSource;
    for (int m = 1; m <= plan::kScheduleMonths; ++m)
        d.extraPayments[static_cast<std::size_t>(m - 1)] = config.ExtraPayment(m);
    for (std::size_t i = 0; i < plan::kBudgetLines; ++i) {
        d.obligations[i] = {config.ObligationItem[i], config.ObligationPayment[i]};
        d.budgetItems[i] = {config.BudgetItem[i], config.BudgetPayment[i]};
    }
    d.budgetAutoCalc = config.BudgetAutoCalc;
    d.budgetMonthlyIncome = config.BudgetMonthlyIncome;
    return d;
}

}  // namespace ui
