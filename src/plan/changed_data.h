#pragma once

// Change detection between the plan being edited and the plan as last loaded or saved
// (TMainWin.ChangedData).

#include "plan/client_rec.h"

namespace plan {

// True when `active` differs from `saved` in a field that counts as a change of the plan.
// Not compared: Version, PlanName, the debts' Priority, LegacyMargins, DebtSortOrder,
// Password, SaveOrInvest and the reserved bytes. Numbers compare for exact equality,
// texts over their length byte and significant characters; DebtCount compares as stored.
bool changedData(const TClientRec& active, const TClientRec& saved);

}  // namespace plan
