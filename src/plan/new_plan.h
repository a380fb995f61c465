#pragma once

// A new plan (TMainWin.InitializeValues without its window parts): the record a plan
// starts from before the user enters anything.

#include <array>
#include <string>
#include <string_view>

#include "plan/client_rec.h"

namespace plan {

// A calendar date; month 1..12, day 1..31.
struct Date {
    int year = 0;
    int month = 0;
    int day = 0;
};

// One line of the default budget.
struct BudgetLine {
    std::string name;  // UTF-8; cut to 17 stored bytes
    double amount = 0;
};

// The settings a new plan takes its defaults from. The list positions are the 0-based
// values the settings hold; the record stores them plus one. Every member starts at the
// default of the setting it stands for.
struct NewPlanDefaults {
    int lastReductionPlan = 0;            // "Last Reduction Plan", 0..2
    int lastConsolidationMethod = 0;      // "Last Consolidation Method", 0..2
    int lastConsolidationRateMethod = 0;  // "Last Consolidation Rate Method", 0..1
    int lastPriorityMethod = 0;           // "Last Priority Method", 0..10
    int extraPaymentSource = 0;           // "Extra Payment Source", 0..2 (stored as is)
    std::array<double, kScheduleMonths> extraPayments{};  // the default extra payments
    std::array<BudgetLine, kBudgetLines> obligations{};
    std::array<BudgetLine, kBudgetLines> budgetItems{};
    bool budgetAutoCalc = false;     // "Budget AutoCalc"
    double budgetMonthlyIncome = 0;  // "Budget Monthly Income "
};

// Builds a new plan: version "4.0", the due day, start month and year from `today`, the
// defaults above, every debt slot empty, the report options at their defaults and the
// password `planPassword` (Windows-1252 bytes as the record stores them). A list
// position outside its list falls back to the setting's default 0.
TClientRec newPlan(const NewPlanDefaults& defaults, const Date& today,
                   std::string_view planPassword);

}  // namespace plan
