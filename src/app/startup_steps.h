#pragma once

// The steps of the program's start that need no window: counting the run, finding and
// preparing the data file, and deciding on a backup.

#include <cstdint>
#include <functional>
#include <string>

namespace app {

// A negative count becomes 0; below the largest 32-bit value it grows by one. Returns
// whether it changed and must be saved.
bool CountRun(std::int32_t& uses);

// Hooks into the plan-data parts that come later; each may be left empty.
struct DataFileHooks {
    // Offers to convert data files of earlier releases into `dataFilePath`.
    std::function<void(const std::string& dataFilePath)> offerConversion;
    // Backs up the data file unless the newest backup equals it.
    std::function<void(const std::string& dataFilePath)> requestBackup;
};

struct DataFileResult {
    std::string dataFilePath;
    bool existed = false;       // the data file was there before the start
    bool sampleCopied = false;  // the sample data file became the data file
};

// Sets the data file path for the preferences location, creates the shared "Quorvale"
// folder (for every location), and when there is no data file offers the conversion and
// then copies the sample data file, never over an existing file.
DataFileResult PrepareDataFile(int prefLocation, const std::string& programFolder,
                               const DataFileHooks& hooks);

// Today's date at midnight as a day count from 30 December 1899.
double TodayAsDayCount();

// Whether a scheduled backup is due: off unless `scheduleDays`; otherwise the whole days
// from `lastBackup` to `today` (truncated toward zero) are at least `days`.
bool IsBackupNeeded(bool scheduleDays, std::int32_t days, double lastBackup, double today);

}  // namespace app
