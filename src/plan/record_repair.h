#pragma once

// What loading a stored record does to it before the program works on it: the repair of
// records written by releases older than 3.2, and the debt count taken from the record.

#include <string_view>

#include "plan/client_rec.h"

namespace plan {

// TfrmOpenDebt.DataFileVersion: the Version text read as a decimal number with "." as
// the decimal separator, whatever the user's locale; 0 when it is not a number.
double DataFileVersion(std::string_view versionText);

// True when the record's Version is below 3.2 (exactly: 3.2 itself is current).
bool needsOldRecordRepair(const TClientRec& rec);

// The repair of an old record: DebtSortOrder 0 and no password.
void repairOldRecord(TClientRec& rec);

// NumDebts for a loaded record: DebtCount, limited to the 50 slots a record has, so a
// damaged count can never make a caller read past the debts.
int loadedDebtCount(const TClientRec& rec);

}  // namespace plan
