#pragma once

// Folder macros in stored paths, so a stored path follows the user's folders:
// "[My Documents]\", "[Desktop]\", "[CSIDL-PROGRAM-FILES]\", "[CSIDL-PROGRAM-FILES-COMMON]",
// "[CSIDL-COMMON-DOCUMENTS]", "[CSIDL-APPDATA]", "[CSIDL-LOCAL-APPDATA]",
// "[CSIDL-COMMON-APPDATA]". Each stands for its folder including the trailing "/".

#include <string>

namespace app {

// Replaces the real folders by their macros, every occurrence, in the order above.
// Folders compare exactly: Linux file names differ by letter case.
std::string FoldPathMacros(const std::string& path);
// Replaces the macros (any letter case) by the real folders. A macro at the start
// written with "_" or blanks ("[CSIDL_APPDATA]") is understood too.
std::string ExpandPathMacros(const std::string& path);

}  // namespace app
