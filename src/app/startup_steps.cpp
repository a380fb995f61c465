#include "app/startup_steps.h"

#include <chrono>
#include <cmath>
#include <ctime>
#include <filesystem>
#include <limits>

#include "app/data_files.h"
#include "app/folders.h"
#include "platform/text_compare.h"

namespace app {

bool CountRun(std::int32_t& uses) {
    const std::int32_t before = uses;
    if (uses < 0)
        uses = 0;
    if (uses < std::numeric_limits<std::int32_t>::max())
        ++uses;
    return uses != before;
}

DataFileResult PrepareDataFile(int prefLocation, const std::string& programFolder,
                               const DataFileHooks& hooks) {
    DataFileResult result;
    result.dataFilePath = DataFilePathFor(prefLocation, programFolder);
    // The shared folder is wanted even when the data file lives beside the program;
    // a failure here is reported later by the data file operations.
    ForceDirectoriesEx(SharedDataFolder());

    std::error_code ec;
    result.existed = std::filesystem::exists(result.dataFilePath, ec);
    if (result.existed)
        return result;

    if (hooks.offerConversion)
        hooks.offerConversion(result.dataFilePath);
    if (std::filesystem::exists(result.dataFilePath, ec))
        return result;

    const std::string besideProgram = programFolder + kSampleDataFileName;
    if (std::filesystem::exists(besideProgram, ec)) {
        result.sampleCopied = CopyFileNoOverwrite(besideProgram, result.dataFilePath);
    } else {
        const std::string second =
            platform::replaceAllIgnoreCase(result.dataFilePath, kDataFileName, kSampleDataFileName);
        if (std::filesystem::exists(second, ec)) {
            result.sampleCopied = CopyFileNoOverwrite(second, result.dataFilePath);
        }
    }
    return result;
}

double TodayAsDayCount() {
    using namespace std::chrono;
    const std::time_t now = std::time(nullptr);
    std::tm local{};
    localtime_r(&now, &local);
    const sys_days today = year{local.tm_year + 1900} /
                           month{static_cast<unsigned>(local.tm_mon + 1)} /
                           day{static_cast<unsigned>(local.tm_mday)};
    const sys_days epoch = year{1899} / December / 30;
    return static_cast<double>((today - epoch).count());
}

bool IsBackupNeeded(bool scheduleDays, std::int32_t days, double lastBackup, double today) {
    if (!scheduleDays)
        return false;
    return std::trunc(today - lastBackup) >= days;
}

}  // namespace app
