#pragma once

// Where the plan data file lives and the file helpers around it.

#include <cstdint>
#include <string>

#include "platform/message_boxes.h"

namespace app {

inline constexpr const char* kDataFileName = "Debts4.dat";
inline constexpr const char* kSampleDataFileName = "Debts4SampleData.dat";
inline constexpr const char* kSharedDataFolder = "Quorvale";

// The preferences location 2 ("On USB") keeps the data file beside the executable.
inline constexpr int kPortableLocation = 2;

// The data file's path for a preferences location: beside the program for "On USB",
// else in the shared documents folder under "Quorvale".
std::string DataFilePathFor(int prefLocation, const std::string& programFolder);
// The shared data folder without a trailing separator ("~/.local/share/Quorvale").
std::string SharedDataFolder();

// Size of the file at `path`; 0 when there is no such file.
std::int64_t FileSizeOf(const std::string& path);
// Size of the file opened for reading; -1 when it cannot be opened.
std::int64_t FileByteCount(const std::string& path);

// Copies `from` to `to` unless `to` exists already. False when nothing was copied.
// The copy is written atomically and readable by its owner only.
bool CopyFileNoOverwrite(const std::string& from, const std::string& to);

// Copies the data file from the old location's folder to the new one's when it is newer
// there (preferences locations 0..3). A failed copy shows a warning and leaves both files.
void MoveDataFile(int oldLocation, int newLocation, const std::string& programFolder,
                  const std::string& displayName, platform::MessageBoxes& boxes);

}  // namespace app
