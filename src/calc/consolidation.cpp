#include "calc/consolidation.h"

#include <algorithm>

#include "calc/calendar.h"
#include "calc/rates.h"
#include "calc/repayment_watch.h"
#include "calc/rounding.h"

namespace calc {

namespace {

constexpr std::size_t At(int oneBased) {
    return static_cast<std::size_t>(oneBased - 1);
}

// The term of balance s at payment p, in whole months, as the checks estimate it.
double CheckTerm(double s, double r, double p) {
    if (r == 0) {
        return RoundHalfEven(s / p);
    }
    return RoundHalfEven(TermInMonths(s, r, p) + 0.0001);
}

ConsolidationCheck Fail(platform::MessageBoxes& boxes, std::string message, std::string field,
                        std::string control) {
    platform::showOk(boxes, "Error", message, platform::MsgIcon::Warning);
    ConsolidationCheck c;
    c.ok = false;
    c.fieldName = std::move(field);
    c.focusControl = std::move(control);
    c.message = std::move(message);
    return c;
}

}  // namespace

CalcResult CalcValues(const plan::TClientRec& plan, int numDebts, ConsolidationResult& r) {
    const int n = std::clamp(numDebts, 0, kMaxPositions);
    const int startMonth = plan.StartMonth;
    const int startYear = plan.StartYear;
    r.numDebts = n;
    r.CurTotalPaid = 0.0;
    r.CurTotalInterest = 0.0;
    r.TotalBalance = 0.0;
    r.TotalCurPay = 0.0;
    r.CurMaxMonths = 0;
    for (int d = 1; d <= n; ++d) {
        const plan::TDebtRec& debt = plan.Debts[d - 1];
        const double rate = MonthlyRate(debt);
        const bool daily = debt.RateKind == kRateDaily;
        const double payment = debt.CurrentPayment;
        double b = debt.Balance;
        double paid = 0.0;
        double interestSum = 0.0;
        int months = 0;
        int k = startMonth;
        RepaymentWatch watch(b);
        for (;;) {
            // Step 1: "Daily" interest takes the days of calendar month k, which moves on
            // only after a "Daily" month.
            double interest;
            if (daily) {
                interest = MonthInterest(b, rate, true, DaysOfScheduleMonth(k, startYear, 1));
                k += 1;
            } else {
                interest = MonthInterest(b, rate, false, 0);
            }
            // Step 2.
            interestSum += interest;
            paid += payment;
            months += 1;
            b = interest + (b - payment);
            // Step 3: the last payment is smaller.
            if (b < 0) {
                paid += b;
                b = 0;
            }
            // Step 4 (a NaN balance from damaged data also stops here).
            if (!(b > 0)) {
                break;
            }
            const Repayment how = watch.check(months, b);
            if (how != Repayment::Repaying) {
                return CalcResult::failure(CalcErrorKind::NeverRepays,
                                           NeverRepaysMessage(d, debt.Name.text(), how));
            }
        }
        r.DebtCurPaid[At(d)] = paid;
        r.DebtCurInterest[At(d)] = interestSum;
        r.DebtCurMonths[At(d)] = months;
        r.CurTotalPaid += paid;
        r.CurTotalInterest += interestSum;
        r.TotalBalance += debt.Balance;
        r.TotalCurPay += payment;
        r.CurMaxMonths = std::max(r.CurMaxMonths, months);
    }
    return CalcResult::success();
}

CalcResult CalcLoanValues(const plan::TClientRec& plan, ConsolidationResult& r) {
    r.NewLoanRate = ConsolidationMonthlyRate(plan.ConNewRate, plan.ConRateKind);
    const double rate = r.NewLoanRate;
    // Step 1.
    const double fee = plan.ConFee;
    r.NewLoanBalance = r.TotalBalance + fee;
    // Step 2.
    switch (plan.ConMethod) {
        case kConAutomatic:
            r.NewLoanPayment = r.TotalCurPay;
            break;
        case kConSpecifyPayment:
            r.NewLoanPayment = plan.ConMonthlyPayment;
            break;
        case kConSpecifyTerm: {
            const int months = plan.ConMonthsInLoan;
            if (months == 0) {
                return CalcResult::failure(
                    CalcErrorKind::LoanTermZero,
                    "The consolidated loan is set to \"Specify Term\" with 0 months in the loan, "
                    "so no payment can be worked out. Enter 1 to 360 months in the loan.");
            }
            r.NewLoanPayment = RoundToCents(LevelPayment(r.NewLoanBalance, rate, months) + 0.005);
            break;
        }
        default:
            return CalcResult::failure(
                CalcErrorKind::InvalidPlan,
                "The consolidation method of this plan is not one of \"Automatic\", \"Specify "
                "Payment\" or \"Specify Term\".");
    }
    const double payment = r.NewLoanPayment;

    // Step 3.
    r.LoanPay.fill(0.0);
    r.LoanCumPaid.fill(0.0);
    r.LoanInterest.fill(0.0);
    r.LoanCumInterest.fill(0.0);
    r.LoanBal.fill(0.0);
    r.NewTotalPaid = 0.0;
    r.NewTotalInterest = 0.0;
    r.NewLoanMonths = 0;
    double b = r.NewLoanBalance;
    for (int n = 1; n <= kMaxMonths; ++n) {
        const double interest = RoundToCents(b * rate);
        r.LoanInterest[At(n)] = interest;
        r.NewTotalInterest += interest;
        r.LoanCumInterest[At(n)] = r.NewTotalInterest;
        b = b + interest - payment;
        r.LoanBal[At(n)] = b;
        r.LoanPay[At(n)] = payment;
        r.NewTotalPaid += payment;
        if (b < 0) {
            r.LoanPay[At(n)] += b;
            r.NewTotalPaid += b;
            b = 0;
            r.LoanBal[At(n)] = 0;
        }
        r.LoanCumPaid[At(n)] = r.NewTotalPaid;
        if (b == 0) {
            // Step 4.
            r.NewLoanMonths = n;
            r.InterestSavings = r.CurTotalInterest - r.NewTotalInterest;
            r.MonthsSaved = r.CurMaxMonths - r.NewLoanMonths;
            return CalcResult::success();
        }
        if (n == 1 && !(b < r.NewLoanBalance)) {
            // Interest is monthly at a fixed rate: a first month that does not lower the
            // balance means no month ever will.
            return CalcResult::failure(
                CalcErrorKind::LoanNeverRepays,
                "The payment of the new consolidated loan does not cover its monthly "
                "interest, so the loan can never be repaid. Raise the payment or lower the "
                "interest rate or the fee.");
        }
    }
    return CalcResult::failure(
        CalcErrorKind::LoanTooLong,
        "The new consolidated loan is not paid off within 360 months (30 years)" +
            std::string(fee > 0 ? ", as the fee adds to its balance" : "") +
            ". Raise the payment or lower the interest rate or the fee.");
}

ConsolidationFields ConsolidationFieldsOf(const plan::TClientRec& plan) {
    ConsolidationFields f;
    f.method = plan.ConMethod;
    f.payment = plan.ConMonthlyPayment;
    f.newRate = plan.ConNewRate;
    f.rateKind = plan.ConRateKind;
    return f;
}

ConsolidationCheck CheckConsolidationFields(const plan::TClientRec& plan, int numDebts,
                                            const ConsolidationFields& fields,
                                            platform::MessageBoxes& boxes) {
    const int n = std::clamp(numDebts, 0, kMaxPositions);
    const double r = ConsolidationMonthlyRate(fields.newRate, fields.rateKind);
    double s = 0.0;
    double t = 0.0;
    for (int d = 1; d <= n; ++d) {
        s += plan.Debts[d - 1].Balance;
        t += plan.Debts[d - 1].CurrentPayment;
    }
    if (fields.method == kConSpecifyPayment) {
        const double p = fields.payment;
        if (RoundToCents(s * r) >= p) {
            return Fail(boxes,
                        "The payment as specified for the new consolidated loan can never repay "
                        "the loan. You MUST correct it before proceeding.",
                        "Consolidated Loan Payment", "edtConMonthlyPayment");
        }
        if (CheckTerm(s, r, p) > 360) {
            return Fail(boxes,
                        "The payment as specified for the new consolidated loan cannot repay the "
                        "loan within a 30 year period. You MUST correct it before proceeding.",
                        "Consolidated Loan Payment", "edtConMonthlyPayment");
        }
    } else if (fields.method == kConAutomatic) {
        if (RoundToCents(s * r) >= t) {
            return Fail(boxes,
                        "The new interest rate as specified for the new consolidated loan is too "
                        "high. The loan can never be repaid. You MUST correct it before "
                        "proceeding.",
                        "Consolidated Loan New Interest Rate", "edtConNewRate");
        }
        if (CheckTerm(s, r, t) > 360) {
            return Fail(boxes,
                        "The new interest rate as specified for the new consolidated loan is too "
                        "high. The loan cannot be paid off in a 360 month period. You must "
                        "correct it before proceeding.",
                        "Consolidated Loan New Interest Rate", "edtConNewRate");
        }
    }
    return {};
}

}  // namespace calc
