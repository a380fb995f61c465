#pragma once

// The three calculations of the what-if calculator ("Debt Manipulation"): the months a
// payment needs, the total it pays, and the payment that clears the debt in given months.
// All charge monthly interest at the debt's monthly equivalent rate, "Daily" included.

#include "plan/client_rec.h"
#include "platform/message_boxes.h"

namespace calc {

// The edit that gets the focus after a refusal.
enum class WhatIfField { None, Payment, Months };

struct DurationResult {
    bool ok = false;
    bool hasMonths = false;  // false only when the payment can never repay the debt
    double months = 0;       // a whole number
    WhatIfField focus = WhatIfField::None;
};

// TfrmWhatIf.CalcDuration. Refuses (box "Error") a payment that does not exceed the first
// month's interest, and one that needs more than 1200 months; warns (box "Warning", not a
// refusal) above 360 months, also after the 1200-month refusal.
DurationResult CalcDuration(const plan::TDebtRec& debt, double payment,
                            platform::MessageBoxes& boxes);

struct TotalPaymentsResult {
    bool repaid = false;  // false: the payment never repays the debt, no total exists
    double total = 0.0;
    int months = 0;
};

// TfrmWhatIf.CalcTotalPayments: the total of all payments until the debt is repaid. A
// payment that never repays it (the balance is not lower than twelve months earlier, or
// more than 1000 years) ends with repaid false instead of running for ever. Shows no box:
// CalcDuration has already said why.
TotalPaymentsResult CalcTotalPayments(const plan::TDebtRec& debt, double payment);

struct PaymentResult {
    bool ok = false;
    double payment = 0.0;
    WhatIfField focus = WhatIfField::None;
};

// TfrmWhatIf.CalcPayment: the payment that clears the debt in `months` months, rounded to
// the cent. Refuses (box "Error") when that payment does not exceed the first month's
// interest, and months below 1 with the calculator's invalid-months message.
PaymentResult CalcPayment(const plan::TDebtRec& debt, int months, platform::MessageBoxes& boxes);

// The debt's rate for the calculator: its monthly equivalent rate ("Effective" for a kind
// outside 1..4, 0 for a rate of 0).
double WhatIfRate(const plan::TDebtRec& debt);

}  // namespace calc
