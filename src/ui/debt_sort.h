#pragma once

// The main window's sorting of a plan's debts: a stable exchange sort that moves whole
// 151-byte debt entries, by name (byte by byte), priority or payment day.

#include "plan/client_rec.h"

namespace ui {

enum class DebtSortKey { Name, Priority, PayDay };

// The DebtSortOrder values the sorts leave in the plan: name 2 ascending / 1 descending,
// priority 4 / 3, payment day 6 / 5.
int DebtSortOrderFor(DebtSortKey key, bool descending);

// Orders debts 1..numDebts of `plan` in place by repeatedly swapping neighbours that are
// strictly out of order, so equal keys keep their order. Sets DebtSortOrder.
void SortDebts(plan::TClientRec& plan, int numDebts, DebtSortKey key, bool descending);

// Names compared by character codes, case-sensitive; a name that is the start of the
// other comes first. Negative, 0 or positive.
int CompareDebtNames(const plan::TDebtRec& a, const plan::TDebtRec& b);

}  // namespace ui
