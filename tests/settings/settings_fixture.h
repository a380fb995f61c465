#pragma once

// A hermetic settings world: HOME and the XDG folders in a temporary folder, the two
// registry hives there, a program folder with an executable named "debt", and scripted
// message boxes.

#include <filesystem>
#include <string>

#include "platform/registry.h"
#include "scripted_message_boxes.h"
#include "settings/config_base.h"
#include "temp_home.h"

namespace settings_test {

// An expected box by its caption and a part of its text.
inline testing_support::ExpectedBox boxContaining(std::string caption, std::string part) {
    testing_support::ExpectedBox box;
    box.caption = std::move(caption);
    box.textContains = std::move(part);
    return box;
}

class SettingsFixture {
  protected:
    SettingsFixture() { std::filesystem::create_directories(programFolder()); }

    std::string programFolder() const { return (home.root() / "media/F/Zelvane").string() + "/"; }
    settings::ProgramLocation program() const {
        return {programFolder(), "debt", (home.root() / "media/F").string() + "/"};
    }
    void writePrefLocation(const std::string& text) {
        testing_support::writeFile(programFolder() + "PrefLocation.ini", text);
    }
    std::string userHive() const {
        return testing_support::readFile(registry.hivePath(platform::RegRoot::CurrentUser));
    }
    std::string machineHive() const {
        return testing_support::readFile(registry.hivePath(platform::RegRoot::LocalMachine));
    }
    bool hivesExist() const {
        return std::filesystem::exists(registry.hivePath(platform::RegRoot::CurrentUser)) ||
               std::filesystem::exists(registry.hivePath(platform::RegRoot::LocalMachine));
    }
    std::string roamingIni() const {
        return (home.home() / ".config/Haldrun/Zelvane/debt.ini").string();
    }
    std::string localIni() const {
        return (home.home() / ".local/state/Haldrun/Zelvane/debt.ini").string();
    }
    std::string commonIni() const {
        return (home.root() / "etc/xdg/Haldrun/Zelvane/debt.ini").string();
    }

    testing_support::TempHome home;
    platform::Registry registry = platform::Registry::fromEnvironment();
    testing_support::ScriptedMessageBoxes boxes;
};

}  // namespace settings_test
