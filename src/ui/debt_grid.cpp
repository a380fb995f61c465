#include "ui/debt_grid.h"

#include "calc/number_text.h"
#include "calc/rate_text.h"
#include "calc/rounding.h"

namespace ui {

DebtRowTexts DebtRowTextsOf(const plan::TDebtRec& debt, bool consolidation, bool currency,
                            const platform::LocaleInfo& locale) {
    DebtRowTexts t;
    t.name = debt.Name.text();
    t.balance = calc::FormatAmount(debt.Balance, 2, currency, locale);
    t.current = calc::FormatAmount(debt.CurrentPayment, 2, currency, locale);
    t.rate = calc::FormatAmount(debt.Rate, 4, false, locale) + " " +
             calc::RateAbbreviation2(debt.RateKind);
    if (consolidation) {
        t.minimum = t.priority = t.payDay = "***";
    } else {
        t.minimum = debt.MinPayIsPercent != 0
                        ? calc::FormatAmount(debt.MinPayment, 2, false, locale) + "%"
                        : calc::FormatAmount(debt.MinPayment, 2, currency, locale);
        t.priority = std::to_string(debt.Priority);
        t.payDay = std::to_string(debt.PayDay);
    }
    return t;
}

double MinimumPaymentAmount(const plan::TDebtRec& debt) {
    const double minimum = debt.MinPayment;
    if (debt.MinPayIsPercent == 0)
        return minimum;
    const double balance = debt.Balance;
    return calc::RoundToCents(minimum * balance / 100.0);
}

std::string DebtCountText(int numDebts) {
    if (numDebts == 1)
        return "(1 Debt)";
    return "(" + std::to_string(numDebts) + " Debts)";
}

DebtGrid::DebtGrid(int listWidth, double scale) : scaleX(scale) {
    unit = (listWidth - static_cast<int>(20 * scale)) / 20;
}

std::array<int, 6> DebtGrid::rightEdges() const {
    return {at(8) - static_cast<int>(2 * scaleX),
            at(11) - 2,
            at(14) - 2,
            at(18) - 2,
            at(19) - 4,
            at(20) - 2};
}

}  // namespace ui
