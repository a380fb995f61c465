#pragma once

// Folder look-ups shared by every part of the program. Every folder ends with "/".

#include <string>

#include "platform/registry.h"
#include "platform/special_folders.h"

namespace app {

using platform::GetSpecialFolder;

// The shared documents folder (where the data file lives) when `shared`, else the
// user's documents folder; a blank shared folder falls back to the personal one, a
// blank personal one to "$HOME/Documents/" (or "/tmp/" without a home).
std::string GetDocumentsFolder(bool shared);
std::string GetDesktopFolder();
// $TMPDIR, else "/tmp/".
std::string GetTempFolder();
// The common program files folder, unless the machine key
// "Software\Microsoft\Windows\CurrentVersion" names another in "CommonFilesDir".
std::string GetCommonFilesDir(platform::Registry& registry);
// The common application data folder, with the registry and a fixed folder as fallbacks.
std::string GetCommonAppDataDir(platform::Registry& registry);

// True when `folder` exists or was created with every missing level; false for "".
bool ForceDirectoriesEx(const std::string& folder);

// Adds a trailing "/" when missing.
std::string IncludeTrailingSeparator(std::string folder);

}  // namespace app
