#pragma once

// The eleven priority methods and the derivation of the debts' payoff priorities.

#include <array>
#include <string_view>

#include "plan/client_rec.h"

namespace calc {

enum PriorityMethodValue : int {
    kHighestRateFirst = 1,
    kSmallestDebtFirst = 2,
    kLargestDebtFirst = 3,
    kSmallestMinimumFirst = 4,
    kLargestMinimumFirst = 5,
    kSmallestCurrentFirst = 6,
    kLargestCurrentFirst = 7,
    kShortestTermFirst = 8,
    kLargestTermFirst = 9,
    kUserSpecified = 10,
    kDisperseEqually = 11,
};

// The texts of PriorityMethod 1..11, in table order.
extern const std::array<std::string_view, 11> kPriorityMethodNames;

// The sort key of a debt under methods 1 to 9. The term key (methods 8 and 9) is the whole
// number of months the current payment needs; a payment that never repays the debt (or is
// 0) gives +infinity, so such a debt sorts as the longest term. A debt with nothing owed
// has term 0.
double PriorityKey(const plan::TDebtRec& debt, int method);

// TMainWin.SetPriorities: rewrites the Priority of debts 1..numDebts from PriorityMethod.
// Does nothing unless ReductionPlan is 1 and PriorityMethod is not 10 ("User Specified");
// a method outside 1..11 also leaves the priorities alone.
void SetPriorities(plan::TClientRec& plan, int numDebts);

// The first pair of debts i < j (1-based) that share a priority, as the main window's
// check reports it; {0, 0} when all priorities differ.
struct SharedPriority {
    int first = 0;
    int second = 0;
};
SharedPriority FindSharedPriority(const plan::TClientRec& plan, int numDebts);

}  // namespace calc
