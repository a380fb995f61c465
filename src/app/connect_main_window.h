#pragma once

// Connects the main window to the windows of other parts: the debt entry form for Add
// and Edit, the Open and Save As dialogs, the temporary footer dialog, the help window for
// the help key, closed together with the main window.

#include "app/help/show_help.h"
#include "app/process_state.h"
#include "platform/message_boxes.h"
#include "reports/engine/temp_footer.h"
#include "ui/main_win.h"
#include "ui/open_save/file_dialogs.h"

namespace app {

// `help`, `boxes` and `fileDialogs` must outlive `window`. Without `fileDialogs` the
// export and import file choices are the desktop's own file dialogs.
void ConnectMainWindow(ui::TMainWin& window, platform::MessageBoxes& boxes,
                       const ProcessState& state, HelpViewer& help,
                       ui::PlanFileDialogs* fileDialogs = nullptr);

// The temporary footer lines of the program run, kept with a connected main window (the
// temporary footer dialog edits them, a new plan clears them, the reports print them);
// nullptr before ConnectMainWindow.
reports::TempFooter* TempFooterOf(ui::TMainWin& window);

}  // namespace app
