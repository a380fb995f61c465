#pragma once

// What the Open and Save As dialogs need from the rest of the program. The main window
// fills these from its configuration object; tests plug in scripted boxes and file choices.

#include <QString>
#include <functional>
#include <string>

#include "platform/message_boxes.h"
#include "ui/open_save/file_dialogs.h"

class QWidget;

namespace ui {

struct DialogServices {
    platform::MessageBoxes* boxes = nullptr;  // required
    int buttonAlignment = 2;                  // "Button Alignment": 0 left, 1 centre, 2 right
    // The configured screen fonts (app::ApplyScreenFonts); nothing when empty.
    std::function<void(QWidget&)> applyScreenFonts;
    // Opens a help topic; nothing when empty.
    std::function<void(const QString& topic)> showHelp;
};

struct OpenDebtServices : DialogServices {
    PlanFileDialogs* fileDialogs = nullptr;  // required: the export and import file choosers
};

struct SaveAsServices : DialogServices {
    std::string displayName = "Zelvane";  // caption prefix of the write error box
};

}  // namespace ui
