#pragma once

// The password a run starts with when no plan is loaded at start: the first plan of the
// data file, in file order, whose password is not empty supplies it.

#include <string>

namespace ui {

// Windows-1252 bytes as stored; empty when no plan has a password or the file cannot be
// read.
std::string FirstPlanPassword(const std::string& dataFilePath);

}  // namespace ui
