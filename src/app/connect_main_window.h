#pragma once

// Connects the main window to the windows of other parts: the debt entry form for Add
// and Edit, the Open and Save As dialogs, the help window for the help key, closed
// together with the main window.

#include "app/help/show_help.h"
#include "app/process_state.h"
#include "platform/message_boxes.h"
#include "ui/main_win.h"
#include "ui/open_save/file_dialogs.h"

namespace app {

// `help`, `boxes` and `fileDialogs` must outlive `window`. Without `fileDialogs` the
// export and import file choices are the desktop's own file dialogs.
void ConnectMainWindow(ui::TMainWin& window, platform::MessageBoxes& boxes,
                       const ProcessState& state, HelpViewer& help,
                       ui::PlanFileDialogs* fileDialogs = nullptr);

}  // namespace app
