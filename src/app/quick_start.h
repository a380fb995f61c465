#pragma once

// The quick start guide (an outside viewer and its document) and the installation
// values the web menu items use.

#include <string>

#include "platform/program_launcher.h"
#include "platform/registry.h"

namespace app {

inline constexpr const char* kQuickStartDocument = "ZVQuickStart.doc";
inline constexpr const char* kQuickStartViewer = "Onramp.exe";
inline constexpr const char* kQuickStartKeyPrefix = "Software\\Quorvale\\Quick Start Guide\\";
inline constexpr const char* kQuickStartValue = "Load Quick Start";

// True when "Load Quick Start" is missing for the current user, else its negation.
// The key is created when missing.
bool QuickStartAtStartup(platform::Registry& registry, const std::string& productKeyName);
// Stores the negation of `show` as "Load Quick Start".
void SetQuickStartAtStartup(platform::Registry& registry, const std::string& productKeyName,
                            bool show);

// The first existing viewer among the common files folder + "Quorvale/Onramp.exe", the
// program folder and "../Common Files/" beside it; each also without ".exe". Empty
// when there is none.
std::string FindQuickStartViewer(platform::Registry& registry, const std::string& programFolder);
// Whether the Help menu offers the guide: the document is in the program folder and the
// viewer in the common files folder.
bool QuickStartAvailable(platform::Registry& registry, const std::string& programFolder);
// Starts the viewer with "/F<document path>" and "/N<title>"; a document without a
// folder is taken from the program folder. Failures are not reported.
void LaunchQuickStart(platform::Registry& registry, platform::ProgramLauncher& launcher,
                      const std::string& programFolder, const std::string& title,
                      const std::string& document);

// "Install File" under "Software\Quorvale\Zelvane", machine first, then current user.
std::string GetInstallPathname(platform::Registry& registry);
// "?ID=" and what follows the first "-" of the installer's bare name, else empty.
std::string GetOrderID(platform::Registry& registry);
std::string OrderIdFromInstallPath(const std::string& installPath);

}  // namespace app
