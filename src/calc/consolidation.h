#pragma once

// Loan consolidation (ReductionPlan 2): the current figures of the debts, the new loan
// month by month, and the validity check of the consolidation fields.

#include <array>
#include <string>

#include "calc/calc_result.h"
#include "calc/payoff_schedule.h"
#include "plan/client_rec.h"
#include "platform/message_boxes.h"

namespace calc {

enum ConMethodValue : int { kConAutomatic = 1, kConSpecifyPayment = 2, kConSpecifyTerm = 3 };

// The results of one consolidation run (TfrmReport2). Debts are indexed by debt number - 1,
// loan months by month - 1.
struct ConsolidationResult {
    int numDebts = 0;
    std::array<double, kMaxPositions> DebtCurPaid{};
    std::array<double, kMaxPositions> DebtCurInterest{};
    std::array<int, kMaxPositions> DebtCurMonths{};
    double CurTotalPaid = 0.0;
    double CurTotalInterest = 0.0;
    double TotalBalance = 0.0;
    double TotalCurPay = 0.0;
    int CurMaxMonths = 0;

    double NewLoanRate = 0.0;
    double NewLoanBalance = 0.0;
    double NewLoanPayment = 0.0;
    int NewLoanMonths = 0;
    double NewTotalPaid = 0.0;
    double NewTotalInterest = 0.0;
    std::array<double, kMaxMonths> LoanPay{};
    std::array<double, kMaxMonths> LoanCumPaid{};
    std::array<double, kMaxMonths> LoanInterest{};
    std::array<double, kMaxMonths> LoanCumInterest{};
    std::array<double, kMaxMonths> LoanBal{};

    double InterestSavings = 0.0;  // CurTotalInterest - NewTotalInterest
    int MonthsSaved = 0;           // CurMaxMonths - NewLoanMonths
};

// TfrmReport2.CalcValues: every debt on its own at its current payment, and the totals.
// Fails with NeverRepays when a current payment does not repay its debt.
CalcResult CalcValues(const plan::TClientRec& plan, int numDebts, ConsolidationResult& result);

// TfrmReport2.CalcLoanValues (after CalcValues): the new loan and the savings. Fails with
// LoanTermZero ("Specify Term" with 0 months), InvalidPlan (ConMethod outside 1..3),
// LoanNeverRepays (the payment does not cover the first month's interest) or LoanTooLong
// (not paid off within the 360 months of the tables, e.g. because of the fee).
CalcResult CalcLoanValues(const plan::TClientRec& plan, ConsolidationResult& result);

// The consolidation fields as the main window has read them.
struct ConsolidationFields {
    int method = kConAutomatic;  // ConMethod
    double payment = 0.0;        // ConMonthlyPayment
    double newRate = 0.0;        // ConNewRate
    int rateKind = 1;            // ConRateKind
};
ConsolidationFields ConsolidationFieldsOf(const plan::TClientRec& plan);

// The outcome of the validity check: on failure the field to name in ErrorFieldName and the
// control that gets the focus.
struct ConsolidationCheck {
    bool ok = true;
    std::string fieldName;  // "Consolidated Loan Payment" / "Consolidated Loan New Interest Rate"
    std::string focusControl;  // "edtConMonthlyPayment" / "edtConNewRate"
    std::string message;       // the text of the box shown
};

// The validity check of the consolidation fields on debts 1..numDebts (sum of balances
// without the fee). Shows its message (caption "Error", warning icon) through `boxes`.
ConsolidationCheck CheckConsolidationFields(const plan::TClientRec& plan, int numDebts,
                                            const ConsolidationFields& fields,
                                            platform::MessageBoxes& boxes);

}  // namespace calc
