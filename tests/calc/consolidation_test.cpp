#include "calc/consolidation.h"

#include <gtest/gtest.h>

#include "scripted_message_boxes.h"
#include "test_plans.h"

namespace {

using calc::CalcErrorKind;
using calc_test::AddDebt;
using platform::MsgIcon;
using testing_support::ScriptedMessageBoxes;

constexpr double kTol = 1e-9;

std::unique_ptr<plan::TClientRec> TwoThousand(int method, double rate = 8.0) {
    auto rec = calc_test::MakePlan(2);
    rec->ConMethod = static_cast<std::uint16_t>(method);
    rec->ConNewRate = rate;
    rec->ConRateKind = 1;
    AddDebt(*rec, {.name = "Card", .balance = 1000, .rate = 18, .currentPayment = 50});
    AddDebt(*rec, {.name = "Store", .balance = 1000, .rate = 21, .currentPayment = 60});
    return rec;
}

calc::CalcResult RunBoth(const plan::TClientRec& rec, calc::ConsolidationResult& r) {
    calc::CalcResult result = calc::CalcValues(rec, rec.DebtCount, r);
    if (result.ok()) {
        result = calc::CalcLoanValues(rec, r);
    }
    return result;
}

TEST(CalcValues, EachDebtAtItsCurrentPayment) {
    auto rec = calc_test::MakePlan(2);
    rec->StartMonth = 12;
    AddDebt(*rec, {.name = "Loan", .balance = 1000, .rate = 12, .currentPayment = 100});
    AddDebt(*rec, {.name = "Even", .balance = 300, .rate = 0, .currentPayment = 100});
    AddDebt(*rec, {.name = "Nothing", .balance = 0, .rate = 5, .currentPayment = 20});
    // December 2011 and January 2012 have 31 days, February 2012 has 29.
    AddDebt(
        *rec,
        {.name = "Payday", .balance = 1000, .rate = 0.05, .rateKind = 4, .currentPayment = 500});
    auto r = std::make_unique<calc::ConsolidationResult>();
    ASSERT_TRUE(calc::CalcValues(*rec, 4, *r).ok());
    EXPECT_NEAR(r->DebtCurPaid[0], 1058.98, kTol);
    EXPECT_NEAR(r->DebtCurInterest[0], 58.98, kTol);
    EXPECT_EQ(r->DebtCurMonths[0], 11);
    EXPECT_EQ(r->DebtCurPaid[1], 300);
    EXPECT_EQ(r->DebtCurMonths[1], 3);
    // Nothing owed: one month, nothing paid.
    EXPECT_EQ(r->DebtCurPaid[2], 0);
    EXPECT_EQ(r->DebtCurMonths[2], 1);
    // 15.50 + 7.99 + 0.34 of interest.
    EXPECT_NEAR(r->DebtCurInterest[3], 23.83, kTol);
    EXPECT_NEAR(r->DebtCurPaid[3], 1023.83, kTol);
    EXPECT_EQ(r->DebtCurMonths[3], 3);
    EXPECT_EQ(r->TotalBalance, 2300);
    EXPECT_EQ(r->TotalCurPay, 720);
    EXPECT_EQ(r->CurMaxMonths, 11);
    EXPECT_NEAR(r->CurTotalInterest, 58.98 + 23.83, kTol);
    EXPECT_NEAR(r->CurTotalPaid, 1058.98 + 300 + 1023.83, kTol);
}

TEST(CalcValues, CurrentPaymentThatNeverRepaysEndsWithAnError) {
    auto rec = calc_test::MakePlan(2);
    AddDebt(*rec, {.name = "Stuck", .balance = 1000, .rate = 12, .currentPayment = 9.99});
    auto r = std::make_unique<calc::ConsolidationResult>();
    const calc::CalcResult result = calc::CalcValues(*rec, 1, *r);
    EXPECT_EQ(result.kind, CalcErrorKind::NeverRepays);
    EXPECT_NE(result.message.find("\"Stuck\""), std::string::npos);
}

TEST(CalcLoanValues, AutomaticPaysTheSumOfTheCurrentPayments) {
    auto rec = TwoThousand(calc::kConAutomatic);
    auto r = std::make_unique<calc::ConsolidationResult>();
    ASSERT_TRUE(RunBoth(*rec, *r).ok());
    EXPECT_EQ(r->NewLoanPayment, 110);
    EXPECT_EQ(r->NewLoanBalance, 2000);
    EXPECT_EQ(r->NewLoanRate, 8.0 / 1200);
    EXPECT_EQ(r->LoanInterest[0], 13.33);
    EXPECT_NEAR(r->LoanBal[0], 2000 + 13.33 - 110, kTol);
    EXPECT_EQ(r->LoanPay[0], 110);
    EXPECT_EQ(r->LoanCumPaid[1], 220);
    EXPECT_EQ(r->LoanCumInterest[0], 13.33);
    const int n = r->NewLoanMonths;
    EXPECT_EQ(r->LoanBal[static_cast<std::size_t>(n - 1)], 0);
    EXPECT_LT(r->LoanPay[static_cast<std::size_t>(n - 1)], 110);
    EXPECT_NEAR(r->NewTotalPaid, 2000 + r->NewTotalInterest, 1e-6);
    EXPECT_NEAR(r->InterestSavings, r->CurTotalInterest - r->NewTotalInterest, kTol);
    EXPECT_EQ(r->MonthsSaved, r->CurMaxMonths - n);
}

TEST(CalcLoanValues, SpecifyTermRoundsTheLevelPaymentUp) {
    auto rec = TwoThousand(calc::kConSpecifyTerm);
    rec->ConMonthsInLoan = 24;
    auto r = std::make_unique<calc::ConsolidationResult>();
    ASSERT_TRUE(RunBoth(*rec, *r).ok());
    // 90.4546 + 0.005 = 90.4596 -> 90.45 + 0.01; the last payment is smaller.
    EXPECT_EQ(r->NewLoanPayment, 90.45 + 0.01);
    EXPECT_EQ(r->NewLoanMonths, 24);
    EXPECT_LT(r->LoanPay[23], 90.45);
    EXPECT_GT(r->LoanPay[23], 90.0);

    // At 0 %: 2000 / 24 + 0.005 = 83.338... -> 83.34.
    rec->ConNewRate = 0;
    ASSERT_TRUE(RunBoth(*rec, *r).ok());
    EXPECT_EQ(r->NewLoanPayment, 83.34);
    EXPECT_EQ(r->NewLoanMonths, 24);
}

TEST(CalcLoanValues, EffectiveRate) {
    auto rec = TwoThousand(calc::kConAutomatic, 12.0);
    rec->ConRateKind = 2;
    auto r = std::make_unique<calc::ConsolidationResult>();
    ASSERT_TRUE(RunBoth(*rec, *r).ok());
    EXPECT_NEAR(r->NewLoanRate, 0.0094888, 1e-7);
}

TEST(CalcLoanValues, MonthsSavedIsNegativeWhenTheNewLoanRunsLonger) {
    auto rec = TwoThousand(calc::kConSpecifyPayment, 0);
    rec->ConMonthlyPayment = 50;  // 40 months; the debts take about 22 on their own
    auto r = std::make_unique<calc::ConsolidationResult>();
    ASSERT_TRUE(RunBoth(*rec, *r).ok());
    EXPECT_EQ(r->NewLoanMonths, 40);
    EXPECT_LT(r->MonthsSaved, 0);
    EXPECT_EQ(r->MonthsSaved, r->CurMaxMonths - 40);
}

TEST(CalcLoanValues, OpenPointsEndWithAClearResult) {
    auto r = std::make_unique<calc::ConsolidationResult>();

    auto zeroTerm = TwoThousand(calc::kConSpecifyTerm);
    zeroTerm->ConMonthsInLoan = 0;
    EXPECT_EQ(RunBoth(*zeroTerm, *r).kind, CalcErrorKind::LoanTermZero);

    // The check sees 10000 at 28.00 (357 months); the fee makes it 10200 (365 months).
    auto fee = calc_test::MakePlan(2);
    fee->ConMethod = calc::kConSpecifyPayment;
    fee->ConNewRate = 0;
    fee->ConMonthlyPayment = 28;
    fee->ConFee = 200;
    AddDebt(*fee, {.name = "Car", .balance = 10000, .rate = 5, .currentPayment = 300});
    ScriptedMessageBoxes boxes;
    EXPECT_TRUE(
        calc::CheckConsolidationFields(*fee, 1, calc::ConsolidationFieldsOf(*fee), boxes).ok);
    const calc::CalcResult tooLong = RunBoth(*fee, *r);
    EXPECT_EQ(tooLong.kind, CalcErrorKind::LoanTooLong);
    EXPECT_NE(tooLong.message.find("fee"), std::string::npos);

    // A fee so large that the automatic payment no longer covers the interest.
    auto never = TwoThousand(calc::kConAutomatic, 12.0);
    never->ConFee = 9000;  // 11000 at 1 % is 110.00 a month, the whole payment
    EXPECT_TRUE(
        calc::CheckConsolidationFields(*never, 2, calc::ConsolidationFieldsOf(*never), boxes).ok);
    EXPECT_EQ(RunBoth(*never, *r).kind, CalcErrorKind::LoanNeverRepays);

    auto badMethod = TwoThousand(7);
    EXPECT_EQ(RunBoth(*badMethod, *r).kind, CalcErrorKind::InvalidPlan);
}

struct CheckCase {
    const char* label;
    int method;
    double rate;
    double payment;
    double currentPayments;  // of each of the two debts of 1000
    bool ok;
    const char* message;
    const char* field;
    const char* control;
};

class ConsolidationCheckTest : public testing::TestWithParam<CheckCase> {};

TEST_P(ConsolidationCheckTest, MessagesAndFields) {
    const CheckCase c = GetParam();
    auto rec = TwoThousand(c.method, c.rate);
    rec->ConMonthlyPayment = c.payment;
    rec->Debts[0].CurrentPayment = c.currentPayments;
    rec->Debts[1].CurrentPayment = c.currentPayments;
    rec->ConFee = 500;  // the checks ignore the fee
    ScriptedMessageBoxes boxes;
    if (!c.ok) {
        boxes.expect("Error", c.message, MsgIcon::Warning);
    }
    const calc::ConsolidationCheck check =
        calc::CheckConsolidationFields(*rec, 2, calc::ConsolidationFieldsOf(*rec), boxes);
    EXPECT_EQ(check.ok, c.ok) << c.label;
    if (!c.ok) {
        EXPECT_EQ(check.fieldName, c.field);
        EXPECT_EQ(check.focusControl, c.control);
        EXPECT_EQ(check.message, c.message);
    }
}

constexpr const char* kPayNever =
    "The payment as specified for the new consolidated loan can never repay the loan. You MUST "
    "correct it before proceeding.";
constexpr const char* kPay30 =
    "The payment as specified for the new consolidated loan cannot repay the loan within a 30 "
    "year period. You MUST correct it before proceeding.";
constexpr const char* kRateNever =
    "The new interest rate as specified for the new consolidated loan is too high. The loan can "
    "never be repaid. You MUST correct it before proceeding.";
constexpr const char* kRate360 =
    "The new interest rate as specified for the new consolidated loan is too high. The loan "
    "cannot be paid off in a 360 month period. You must correct it before proceeding.";
constexpr const char* kPayField = "Consolidated Loan Payment";
constexpr const char* kRateField = "Consolidated Loan New Interest Rate";

INSTANTIATE_TEST_SUITE_P(
    Checks, ConsolidationCheckTest,
    testing::Values(CheckCase{"0 % at 100 is 20 months", 2, 0, 100, 50, true, "", "", ""},
                    CheckCase{"0 % at 5 is 400 months", 2, 0, 5, 50, false, kPay30, kPayField,
                              "edtConMonthlyPayment"},
                    CheckCase{"payment equal to the interest", 2, 12, 20, 50, false, kPayNever,
                              kPayField, "edtConMonthlyPayment"},
                    CheckCase{"payment a cent above the interest", 2, 12, 20.01, 50, false, kPay30,
                              kPayField, "edtConMonthlyPayment"},
                    CheckCase{"0 % at 2000 / 360", 2, 0, 5.56, 50, true, "", "", ""},
                    CheckCase{"automatic 110 a month", 1, 12, 0, 55, true, "", "", ""},
                    CheckCase{"automatic below the interest", 1, 12, 0, 10, false, kRateNever,
                              kRateField, "edtConNewRate"},
                    CheckCase{"automatic too slow", 1, 12, 0, 10.2, false, kRate360, kRateField,
                              "edtConNewRate"},
                    CheckCase{"specify term needs no check", 3, 99, 0, 0, true, "", "", ""}));

TEST(ConsolidationCheck, TenThousandAtTwelvePercentAndAHundredIsRefused) {
    auto rec = calc_test::MakePlan(2);
    rec->ConMethod = calc::kConSpecifyPayment;
    rec->ConNewRate = 12;
    rec->ConMonthlyPayment = 100;
    AddDebt(*rec, {.name = "Car", .balance = 10000, .rate = 5, .currentPayment = 300});
    ScriptedMessageBoxes boxes;
    boxes.expect("Error", kPayNever, MsgIcon::Warning);
    EXPECT_FALSE(
        calc::CheckConsolidationFields(*rec, 1, calc::ConsolidationFieldsOf(*rec), boxes).ok);
}

}  // namespace
