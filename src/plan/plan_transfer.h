#pragma once

// Export and import of single plans: a ".dbt" file holds exactly the 13044 bytes of one
// stored record, with no header. Export copies a record out of the data file; import
// appends the first record of such a file to the data file, unchanged.
//
// Each step returns the warning to show when it fails (caption kTransferCaption, warning
// icon), or an empty text when it succeeded; on failure nothing has been written. The
// file dialogs between the steps belong to the caller (the Open dialog, or `debtplan`).

#include <string>
#include <string_view>

#include "plan/client_rec.h"

namespace plan {

inline constexpr const char* kTransferCaption = "Error";

// True when the name's last four characters, in capitals, are ".DBT".
bool hasDbtExtension(std::string_view fileName);

// Export, steps before the save dialog: reads stored record `recordNumber` (-1 when no
// plan is selected) into `out`. Throws PlanFileError when the data file opens but the
// record cannot be read.
std::string readPlanForExport(const std::string& dataFilePath, int recordNumber, TClientRec& out);

// Export, after the save dialog: checks the name and writes `rec` as the file's only
// record, replacing an existing file.
std::string writeExportFile(const std::string& exportPath, const TClientRec& rec);

// Import, after the open dialog: checks the name and reads the file's first record.
std::string readImportFile(const std::string& importPath, TClientRec& out);

// Import: appends `rec` to the existing data file; `newRecordNumber` receives its number.
std::string appendImportedPlan(const std::string& dataFilePath, const TClientRec& rec,
                               int& newRecordNumber);

}  // namespace plan
