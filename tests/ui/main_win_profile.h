#pragma once

// A fresh profile for a main window: a temporary home with the program folder made, the
// registry of that home, scripted message boxes, and the start-up services over them.

#include <gtest/gtest.h>

#include <filesystem>
#include <string>

#include "platform/registry.h"
#include "scripted_message_boxes.h"
#include "temp_home.h"
#include "ui/main_win.h"

namespace ui_testing {

class MainWinProfile : public ::testing::Test {
  protected:
    MainWinProfile() { std::filesystem::create_directories(programFolder()); }

    std::string programFolder() const { return (home.root() / "opt/zelvane").string() + "/"; }
    std::string dataFile() const {
        return (home.home() / ".local/share/Quorvale/Debts4.dat").string();
    }

    // The registry and message boxes above, English (United States), the program folder
    // and version 4.0.0; the clock and data file hooks are the program's own.
    ui::StartupServices services() {
        ui::StartupServices s;
        s.registry = &registry;
        s.boxes = &boxes;
        s.locale = platform::LocaleInfo::englishUS();
        s.program = {programFolder(), "debt", "/"};
        s.version = "4.0.0";
        return s;
    }

    testing_support::TempHome home;
    platform::Registry registry = platform::Registry::fromEnvironment();
    testing_support::ScriptedMessageBoxes boxes;
    app::ProcessState state;
};

}  // namespace ui_testing
