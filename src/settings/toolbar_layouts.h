#pragma once

// Where the forms keep their toolbar and menu layout: in the registry locations the
// current user's key "Software\Quorvale\Zelvane\Toolbars\<form>", in the INI locations
// a file named like the per-user, non-roaming settings file with "_Toolbars.ini" for
// ".ini", one section per form. The layout itself is opaque bytes (the window's own).

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

#include "settings/config_base.h"

namespace settings {

class ToolbarLayoutStore {
  public:
    explicit ToolbarLayoutStore(TConfigBase& config) : config_(config) {}

    std::optional<std::vector<std::uint8_t>> load(const std::string& formName);
    // False when the layout could not be stored (nothing else is reported).
    bool save(const std::string& formName, const std::vector<std::uint8_t>& layout);

    // The layout file of the INI locations; empty when there is none.
    std::string layoutFilePath();
    // Discards every saved layout when the version stored by the previous run is newer
    // than the running one (CompareVersions gives 3).
    void discardIfNewer(const std::string& storedVersion, const std::string& runningVersion);

  private:
    bool inRegistry() const;

    TConfigBase& config_;
};

}  // namespace settings
