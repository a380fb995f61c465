#pragma once

// The program's main window. Until the window of its own is built it is a plain frame:
// its creation runs the start-up steps (settings, run count, data file, window
// position), its first showing the steps after the screen layout, and its closing the
// shutdown steps (window position, "Last Index", settings, toolbar layout).

#include <QMainWindow>
#include <functional>
#include <memory>
#include <string>

#include "app/process_state.h"
#include "app/startup_steps.h"
#include "platform/locale_info.h"
#include "platform/message_boxes.h"
#include "platform/program_launcher.h"
#include "platform/registry.h"
#include "settings/config_manager.h"

namespace app {

// What the start-up needs from outside; the program fills it, tests point it at
// temporary folders and scripted message boxes.
struct StartupServices {
    platform::Registry* registry = nullptr;
    platform::MessageBoxes* boxes = nullptr;
    platform::ProgramLauncher* launcher = nullptr;
    platform::LocaleInfo locale;
    settings::ProgramLocation program;
    std::string version;  // the running program's version ("4.0.0")
    DataFileHooks dataFileHooks;
};

class TMainWin : public QMainWindow {
    Q_OBJECT
  public:
    TMainWin(ProcessState& state, StartupServices services, QWidget* parent = nullptr);
    ~TMainWin() override;

    settings::TConfigManager& config() { return *config_; }
    const ProcessState& state() const { return state_; }

    // Record number of the plan in memory; -1 while it was never stored.
    int PlanIndex = -1;
    // Alt+Ctrl+Shift+Meta+3 while the program is active (the diagnostics window).
    std::function<void()> onDiagnosticsHotKey;

    // Window position, "Last Index" and its section; runs at most once.
    void Shutdown();
    bool IsBackupNeeded() const;
    // The File menu's "Exit": the normal close path.
    void ExitNow();

  public Q_SLOTS:
    // Another copy of the program was started: restore and raise this window.
    void bringToFront();
    // The session ends (logout, SIGTERM): close through the normal path.
    void endSession();

  protected:
    void showEvent(QShowEvent* event) override;
    void closeEvent(QCloseEvent* event) override;

  private:
    void FormCreate();
    void FormShow();
    void FormClose();
    void requestBackup();

    ProcessState& state_;
    StartupServices services_;
    std::unique_ptr<settings::TConfigManager> config_;
    bool shown_ = false;
    bool ShutdownDone = false;
};

}  // namespace app
