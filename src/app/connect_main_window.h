#pragma once

// Connects the main window to the windows of other parts: the debt entry form for Add
// and Edit, the help window for the help key, closed together with the main window.

#include "app/help/show_help.h"
#include "app/process_state.h"
#include "platform/message_boxes.h"
#include "ui/main_win.h"

namespace app {

// `help` and `boxes` must outlive `window`.
void ConnectMainWindow(ui::TMainWin& window, platform::MessageBoxes& boxes,
                       const ProcessState& state, HelpViewer& help);

}  // namespace app
