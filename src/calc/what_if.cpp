#include "calc/what_if.h"

#include "calc/rates.h"
#include "calc/repayment_watch.h"
#include "calc/rounding.h"

namespace calc {

double WhatIfRate(const plan::TDebtRec& debt) {
    return MonthlyEquivalentRate(debt.Rate, debt.RateKind);
}

DurationResult CalcDuration(const plan::TDebtRec& debt, double payment,
                            platform::MessageBoxes& boxes) {
    const double balance = debt.Balance;
    const double c = WhatIfRate(debt);
    DurationResult result;
    if (!(RoundToCents(payment) > RoundToCents(balance * c))) {
        platform::showOk(boxes, "Error",
                         "The current payment as specified can never repay the loan.",
                         platform::MsgIcon::Warning);
        result.focus = WhatIfField::Payment;
        return result;
    }
    result.hasMonths = true;
    result.months = c != 0 ? RoundHalfEven(TermInMonths(balance, c, payment) + 0.49999)
                           : RoundHalfEven(balance / payment);
    result.ok = true;
    if (result.months > 1200) {
        platform::showOk(boxes, "Error",
                         "The payment as specified will not repay the loan within a 100 year "
                         "period.",
                         platform::MsgIcon::Warning);
        result.ok = false;
        result.focus = WhatIfField::Payment;
    }
    if (result.months > 360) {
        platform::showOk(boxes, "Warning",
                         "The payment as specified will not repay the loan within a 30 year "
                         "period.",
                         platform::MsgIcon::Warning);
    }
    return result;
}

TotalPaymentsResult CalcTotalPayments(const plan::TDebtRec& debt, double payment) {
    const double c = WhatIfRate(debt);
    double b = debt.Balance;
    TotalPaymentsResult result;
    RepaymentWatch watch(b);
    int months = 0;
    // A balance that is not above 0 (0, or negative in damaged data) needs no payment.
    while (b > 0) {
        const double interest = RoundToCents(b * c);
        result.total += payment;
        b = b + interest - payment;
        if (b < 0) {
            result.total += b;
            b = 0;
        }
        ++months;
        if (b > 0 && watch.check(months, b) != Repayment::Repaying) {
            result.months = months;
            return result;
        }
    }
    result.repaid = true;
    result.months = months;
    return result;
}

PaymentResult CalcPayment(const plan::TDebtRec& debt, int months, platform::MessageBoxes& boxes) {
    PaymentResult result;
    if (months < 1) {
        platform::showOk(boxes, "Error", "Invalid months specified.  Please correct.",
                         platform::MsgIcon::Warning);
        result.focus = WhatIfField::Months;
        return result;
    }
    const double balance = debt.Balance;
    const double c = WhatIfRate(debt);
    const double payment = c != 0 ? RoundToCents(balance * c / (1 - 1 / Power(1 + c, months)))
                                  : RoundToCents(balance / months);
    if (RoundToCents(balance * c) >= payment) {
        platform::showOk(boxes, "Error",
                         "Due to rounding of values to the cent, the number of months specified "
                         "produces a scenario where the debt will never be paid off.  Please "
                         "correct.",
                         platform::MsgIcon::Warning);
        result.focus = WhatIfField::Months;
        return result;
    }
    result.ok = true;
    result.payment = payment;
    return result;
}

}  // namespace calc
