#pragma once

// The sections of a report generator as a table numbered from 1: each section's caption,
// its font group and the plan field that chooses it.

#include <array>
#include <cstddef>
#include <cstdint>
#include <string>

#include "plan/client_rec.h"

namespace reports {

struct SectionEntry {
    const char* caption;
    const char* fontGroup;
    std::uint8_t plan::TClientRec::*chosen;
};

template <std::size_t N>
class SectionTable {
  public:
    explicit constexpr SectionTable(const std::array<SectionEntry, N>& entries)
        : entries_(entries) {}

    bool has(int section) const { return section >= 1 && section <= static_cast<int>(N); }
    // Empty for a number outside the table.
    std::string caption(int section) const { return has(section) ? at(section).caption : ""; }
    bool chosen(const plan::TClientRec& plan, int section) const {
        return has(section) && plan.*(at(section).chosen) != 0;
    }
    // The first section's group for a number outside the table.
    std::string fontGroup(int section) const { return at(has(section) ? section : 1).fontGroup; }

  private:
    const SectionEntry& at(int section) const {
        return entries_[static_cast<std::size_t>(section - 1)];
    }

    std::array<SectionEntry, N> entries_;
};

}  // namespace reports
