#pragma once

// What the main window's debt list shows: the texts of one row and the 20-unit column
// grid the rows, the titles and the totals share.

#include <array>
#include <string>

#include "plan/client_rec.h"
#include "platform/locale_info.h"

namespace ui {

struct DebtRowTexts {
    std::string name, balance, minimum, current, rate, priority, payDay;
};

// Amounts with 2 decimals (with the currency symbol when `currency`), a percentage minimum
// as "2.00%", the rate with 4 decimals and " APR", " Eff", " Mon" or " Dly"; under "Loan
// Consolidation" the minimum, priority and payment day read "***".
DebtRowTexts DebtRowTextsOf(const plan::TDebtRec& debt, bool consolidation, bool currency,
                            const platform::LocaleInfo& locale);

// The minimum payment a debt adds to the totals: a percentage counts as
// RoundToCents(MinPayment * Balance / 100).
double MinimumPaymentAmount(const plan::TDebtRec& debt);

// The count text under the list: "(1 Debt)", otherwise "(n Debts)".
std::string DebtCountText(int numDebts);

// The column grid of a list `listWidth` pixels wide at horizontal scale `scaleX`.
struct DebtGrid {
    DebtGrid(int listWidth, double scaleX);
    int unit = 0;  // GridUnit
    double scaleX = 1.0;
    int at(int units) const { return units * unit; }
    // Unit positions of the grey column lines.
    static constexpr std::array<int, 6> kLines{5, 8, 11, 14, 18, 19};
    // The right edges of the right-aligned columns, in the order of DebtRowTexts after the
    // name: balance, minimum, current, rate, priority, payment day.
    std::array<int, 6> rightEdges() const;
    static constexpr int kNameLeft = 2;
};

}  // namespace ui
