#include "calc/schedule_output.h"

#include <gtest/gtest.h>

#include <sstream>

#include "calc/output_text.h"
#include "test_plans.h"

namespace {

using calc::ScheduleFormat;
using calc_test::AddDebt;

struct Output {
    int status = -1;
    std::string out;
    std::string err;
};

Output RunCommand(const plan::TClientRec& rec, ScheduleFormat format = ScheduleFormat::Json,
                  int numDebts = -1) {
    std::ostringstream out;
    std::ostringstream err;
    Output o;
    o.status =
        calc::runScheduleCommand(rec, numDebts < 0 ? rec.DebtCount : numDebts, format, out, err);
    o.out = out.str();
    o.err = err.str();
    return o;
}

// Sofa (smallest) first; it is gone in month 2 and its 100.00 rolls over to Car.
std::unique_ptr<plan::TClientRec> Furniture() {
    auto rec = calc_test::MakePlan(1, 2);
    rec->PlanName.setText("Kitchen & \"Co\"");
    AddDebt(*rec, {.name = "Car", .balance = 400, .rate = 0, .currentPayment = 100, .priority = 1});
    AddDebt(*rec,
            {.name = "Sofa", .balance = 250, .rate = 0, .currentPayment = 100, .priority = 1});
    rec->ExtraPayment = 50;
    return rec;
}

TEST(ScheduleOutput, JsonOfADebtReductionSchedule) {
    auto rec = Furniture();
    const Output o = RunCommand(*rec);
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.err, "");
    EXPECT_EQ(o.out, R"({
  "plan_name": "Kitchen & \"Co\"",
  "reduction_plan": 1,
  "schedule_months": 3,
  "positions": [
    {"debt": 2, "name": "Sofa", "start_balance": 250, "sched_pay": 100,
     "pay": [150, 100, 0],
     "bal": [100, 0, 0]},
    {"debt": 1, "name": "Car", "start_balance": 400, "sched_pay": 100,
     "pay": [100, 150, 150],
     "bal": [300, 150, 0]}
  ],
  "month_totals": [250, 250, 150],
  "current_plan": [
    {"debt": 2, "months": 3, "interest": 0, "last_payment": 50},
    {"debt": 1, "months": 4, "interest": 0, "last_payment": 100}
  ],
  "current_total_interest": 0
}
)");
    // The plan passed in keeps its priorities; only the run's copy is re-ranked.
    EXPECT_EQ(int{rec->Debts[1].Priority}, 1);
}

TEST(ScheduleOutput, CsvOfADebtReductionSchedule) {
    const Output o = RunCommand(*Furniture(), ScheduleFormat::Csv);
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out,
              "month,Sofa (debt 2) payment,Sofa (debt 2) balance,Car (debt 1) payment,"
              "Car (debt 1) balance,total\n"
              "1,150,100,100,300,250\n"
              "2,100,0,150,150,250\n"
              "3,0,0,150,0,150\n");
}

TEST(ScheduleOutput, TimedPlanAddsTheExtraPaymentNeeded) {
    auto rec = calc_test::MakePlan(3);
    rec->TimedMonths = 12;
    AddDebt(*rec, {.name = "Card", .balance = 1000, .rate = 12, .currentPayment = 50});
    const Output o = RunCommand(*rec);
    EXPECT_EQ(o.status, 0);
    EXPECT_NE(o.out.find("\"sched_pay\": 88.85,"), std::string::npos) << o.out;
    // 88.85 - 50 in its exact round-trip form.
    EXPECT_NE(o.out.find("\"extra_payment_needed\": " + calc::ShortestNumber(88.85 - 50) + "\n}"),
              std::string::npos)
        << o.out;
    EXPECT_NE(o.out.find("\"schedule_months\": 12,"), std::string::npos);
}

TEST(ScheduleOutput, JsonOfAConsolidation) {
    auto rec = calc_test::MakePlan(2);
    rec->ConNewRate = 0;
    AddDebt(*rec, {.name = "A", .balance = 100, .rate = 0, .currentPayment = 50});
    AddDebt(*rec, {.name = "B", .balance = 200, .rate = 0, .currentPayment = 100});
    const Output o = RunCommand(*rec);
    EXPECT_EQ(o.status, 0);
    EXPECT_EQ(o.out, R"({
  "plan_name": "",
  "reduction_plan": 2,
  "consolidation": {
    "total_balance": 300,
    "total_cur_pay": 150,
    "cur_total_paid": 300,
    "cur_total_interest": 0,
    "cur_max_months": 2,
    "debts": [
      {"debt": 1, "cur_paid": 100, "cur_interest": 0, "cur_months": 2},
      {"debt": 2, "cur_paid": 200, "cur_interest": 0, "cur_months": 2}
    ],
    "new_loan_rate": 0,
    "new_loan_balance": 300,
    "new_loan_payment": 150,
    "new_loan_months": 2,
    "new_total_paid": 300,
    "new_total_interest": 0,
    "interest_savings": 0,
    "months_saved": 0,
    "loan": [
      {"pay": 150, "cum_paid": 150, "interest": 0, "cum_interest": 0, "bal": 150},
      {"pay": 150, "cum_paid": 300, "interest": 0, "cum_interest": 0, "bal": 0}
    ]
  }
}
)");
    const Output csv = RunCommand(*rec, ScheduleFormat::Csv);
    EXPECT_EQ(csv.out,
              "month,payment,cumulative paid,interest,cumulative interest,balance\n"
              "1,150,150,0,0,150\n"
              "2,150,300,0,0,0\n");
}

struct ErrorCase {
    const char* label;
    void (*setUp)(plan::TClientRec&);
    std::string expected;
};

class ScheduleErrorTest : public testing::TestWithParam<ErrorCase> {};

TEST_P(ScheduleErrorTest, EndsWithStatusThreeAndTheErrorJson) {
    const ErrorCase c = GetParam();
    auto rec = calc_test::MakePlan(1, 2);
    AddDebt(*rec, {.name = "Card", .balance = 1000, .rate = 12, .currentPayment = 100});
    AddDebt(*rec, {.name = "Store", .balance = 500, .rate = 12, .currentPayment = 50});
    c.setUp(*rec);
    for (const ScheduleFormat format : {ScheduleFormat::Json, ScheduleFormat::Csv}) {
        const Output o = RunCommand(*rec, format);
        EXPECT_EQ(o.status, 3) << c.label;
        EXPECT_EQ(o.out.rfind(c.expected, 0), 0u) << c.label << ": " << o.out;
        EXPECT_EQ(o.out.back(), '\n');
    }
}

INSTANTIATE_TEST_SUITE_P(
    OpenPoints, ScheduleErrorTest,
    testing::Values(
        ErrorCase{"timed months 0",
                  [](plan::TClientRec& r) {
                      r.ReductionPlan = 3;
                      r.TimedMonths = 0;
                  },
                  R"({"error": "timed-months-zero", "message": "Timed Debt Elimination needs)"},
        ErrorCase{"specify term 0",
                  [](plan::TClientRec& r) {
                      r.ReductionPlan = 2;
                      r.ConMethod = 3;
                      r.ConMonthsInLoan = 0;
                  },
                  R"({"error": "loan-term-zero", "message": "The consolidated loan)"},
        ErrorCase{"consolidation check",
                  [](plan::TClientRec& r) {
                      r.ReductionPlan = 2;
                      r.ConMethod = 2;
                      r.ConNewRate = 12;
                      r.ConMonthlyPayment = 15;
                  },
                  R"({"error": "consolidation-check", "message": "The payment as specified )"
                  R"(for the new consolidated loan can never repay the loan. You MUST correct )"
                  R"(it before proceeding."})"},
        ErrorCase{"longer than 360 months",
                  [](plan::TClientRec& r) {
                      // Store's 50.00 rolls over to Card, whose own payment is its interest.
                      r.Debts[0].Balance = 1000000;
                      r.Debts[0].CurrentPayment = 10000;
                  },
                  R"({"error": "schedule-too-long", "message": "The debts are not paid off )"},
        ErrorCase{"current payment never repays",
                  [](plan::TClientRec& r) {
                      r.Debts[1].CurrentPayment = 5;
                      r.ExtraPayment = 100;
                  },
                  R"({"error": "never-repays", "message": "The current payment of debt 2 )"
                  R"((\"Store\") can never repay it)"},
        ErrorCase{"shared priority", [](plan::TClientRec& r) { r.PriorityMethod = 10; },
                  R"({"error": "priority-check", "message": "\"Card\" and \"Store\" both )"
                  R"(have the same Priority of 1.  You MUST correct this by changing one or )"
                  R"(the other."})"},
        ErrorCase{"reduction plan 4", [](plan::TClientRec& r) { r.ReductionPlan = 4; },
                  R"({"error": "invalid-plan", )"},
        ErrorCase{"no debts", [](plan::TClientRec& r) { r.DebtCount = 0; },
                  R"({"error": "no-debts", "message": "No debts have been entered yet."})"}));

TEST(ScheduleOutput, DebtCountOutOfRangeIsABadArgument) {
    auto rec = Furniture();
    const Output o = RunCommand(*rec, ScheduleFormat::Json, 51);
    EXPECT_EQ(o.status, 2);
    EXPECT_EQ(o.out, "");
    EXPECT_NE(o.err.find("51"), std::string::npos);
    EXPECT_EQ(o.err.back(), '\n');
}

TEST(OutputText, ShortestRoundTripNumbersAndEscapes) {
    EXPECT_EQ(calc::ShortestNumber(100.0), "100");
    EXPECT_EQ(calc::ShortestNumber(2.34 + 0.01), "2.3499999999999996");
    EXPECT_EQ(calc::ShortestNumber(88.85), "88.85");
    EXPECT_EQ(calc::ShortestNumber(-0.01), "-0.01");
    EXPECT_EQ(calc::ShortestNumber(1.0 / 0.0), "null");
    EXPECT_EQ(calc::JsonString("a\"b\\c\n\x01"), "\"a\\\"b\\\\c\\n\\u0001\"");
    EXPECT_EQ(calc::CsvField("Visa, gold"), "\"Visa, gold\"");
    EXPECT_EQ(calc::CsvField("6\" pipe"), "\"6\"\" pipe\"");
    EXPECT_EQ(calc::CsvField("plain"), "plain");
}

}  // namespace
