#pragma once

// Report sections by keyword, for command lines: "overview", "monthpayonly",
// "monthpaybal", "dailypayonly", "dailypaybal", "calendar", "summary", "moneysave",
// "timesave", "princint" for debt reduction and timed plans; "schedule", "summary",
// "graph" for consolidation plans.

#include <optional>
#include <string>
#include <vector>

#include "plan/client_rec.h"

namespace reports {

// The keyword of a section number; empty outside the generator's table.
std::string sectionKeyword(bool consolidation, int section);

// The section numbers of a comma-separated keyword list, ascending and without repeats
// (reports print their sections in a fixed order). Sets `error` and gives nothing when a
// keyword is unknown or the list is empty.
std::optional<std::vector<int>> parseSectionList(const std::string& list, bool consolidation,
                                                 std::string& error);

// The sections whose check boxes are set in the plan's report options.
std::vector<int> chosenSections(const plan::TClientRec& plan, bool consolidation);

// Checks exactly the given sections in the plan's report options.
void setChosenSections(plan::TClientRec& plan, bool consolidation,
                       const std::vector<int>& sections);

}  // namespace reports
