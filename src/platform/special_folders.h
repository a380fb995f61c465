#pragma once

// Shell folders by their Windows CSIDL numbers, mapped onto the XDG folders of a Linux
// desktop. Every result ends with "/"; an empty text means the folder is unavailable.
// The environment is read at each call, so tests can point it at a temporary folder.

#include <string>

namespace platform {

namespace csidl {
inline constexpr int Desktop = 0x00;             // XDG desktop folder
inline constexpr int Personal = 0x05;            // XDG documents folder
inline constexpr int AppData = 0x1A;             // $XDG_CONFIG_HOME
inline constexpr int LocalAppData = 0x1C;        // $XDG_STATE_HOME
inline constexpr int CommonAppData = 0x23;       // first folder of $XDG_CONFIG_DIRS
inline constexpr int ProgramFiles = 0x26;        // /opt
inline constexpr int ProgramFilesCommon = 0x2B;  // /usr/lib
inline constexpr int CommonDocuments = 0x2E;     // $XDG_DATA_HOME
}  // namespace csidl

std::string GetSpecialFolder(int csidl);

// The system's temporary folder ($TMPDIR, else /tmp) with a trailing "/".
std::string systemTempFolder();

// The mount point of the file system that holds `path`, with a trailing "/"; the
// "drive root" of a path. Empty when `path` does not exist.
std::string mountPointOf(const std::string& path);

}  // namespace platform
