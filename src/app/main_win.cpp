#include "app/main_win.h"

#include <QApplication>
#include <QCloseEvent>
#include <QGuiApplication>
#include <QScreen>
#include <QShortcut>

#include "app/activity_trail.h"
#include "app/qt_form_position.h"
#include "app/qt_printers.h"
#include "app/qt_screen_fonts.h"
#include "app/quick_start.h"
#include "platform/text_compare.h"
#include "settings/toolbar_layouts.h"

namespace app {
namespace {

constexpr const char* kMainWindowName = "MainWin";

std::vector<std::uint8_t> toBytes(const QByteArray& a) {
    return std::vector<std::uint8_t>(a.begin(), a.end());
}

}  // namespace

TMainWin::TMainWin(ProcessState& state, StartupServices services, QWidget* parent)
    : QMainWindow(parent), state_(state), services_(std::move(services)) {
    setObjectName(QString::fromLatin1(kMainWindowName));
    resize(800, 600);
    FormCreate();
}

TMainWin::~TMainWin() = default;

void TMainWin::FormCreate() {
    CurrentActivity().clear();

    // 2. The configuration: location, every setting, the running version.
    config_ = std::make_unique<settings::TConfigManager>(*services_.registry, *services_.boxes,
                                                         services_.program, services_.locale);
    config_->onBusy = [](bool busy) {
        if (busy) {
            QApplication::setOverrideCursor(Qt::WaitCursor);
        } else {
            QApplication::restoreOverrideCursor();
        }
    };
    // Message boxes take their owner as the QWidget* itself.
    QWidget* const owner = this;
    config_->setApplicationWindow(owner);
    config_->mainWindow = owner;
    config_->setDisplayName(state_.DisplayName);
    config_->ReadPrefLocation();
    config_->LoadSettings(settings::kAllSections);
    config_->StoreVersion(services_.version);

    // 3. The program customization comes with its own work; DisplayName stays as it is.
    setWindowTitle(QString::fromStdString(state_.DisplayName));

    // 4. Count this run.
    if (CountRun(config_->Uses))
        config_->SaveSettings(settings::kRootSection);

    // 5.-8. Data file, shared folder, sample data, backup at start.
    state_.ProgramFolder = services_.program.folder;
    const DataFileResult dataFile = PrepareDataFile(static_cast<int>(config_->prefLocation()),
                                                    state_.ProgramFolder, services_.dataFileHooks);
    state_.DataFilePath = dataFile.dataFilePath;
    if (dataFile.existed && (config_->BackupOnStart || IsBackupNeeded()))
        requestBackup();

    // 9. Screen size.
    if (QScreen* screen = QGuiApplication::primaryScreen()) {
        state_.ScreenWidth = screen->geometry().width();
        state_.ScreenHeight = screen->geometry().height();
    }

    // 10. Window position.
    LoadFormPosition(*config_, this);

    // 11. The splash screen comes with its own work.

    // 12. Printers and the quick start guide.
    state_.PrinterCount = GetNumPrinters();
    if (services_.launcher && QuickStartAvailable(*services_.registry, state_.ProgramFolder) &&
        QuickStartAtStartup(*services_.registry, settings::kProductName)) {
        LaunchQuickStart(*services_.registry, *services_.launcher, state_.ProgramFolder,
                         std::string(settings::kProductName) + ":", kQuickStartDocument);
    }

    // 13. The diagnostics hot key; an application-wide shortcut works only while the
    // program is active, as the hot key is registered only then.
    auto* hotKey =
        new QShortcut(QKeySequence(Qt::ALT | Qt::CTRL | Qt::SHIFT | Qt::META | Qt::Key_3), this);
    hotKey->setContext(Qt::ApplicationShortcut);
    connect(hotKey, &QShortcut::activated, this, [this] {
        if (onDiagnosticsHotKey)
            onDiagnosticsHotKey();
    });
}

void TMainWin::showEvent(QShowEvent* event) {
    QMainWindow::showEvent(event);
    if (!shown_) {
        shown_ = true;
        FormShow();
    }
}

void TMainWin::FormShow() {
    // 15. The plan of the last run; loading it comes with the plan data file.
    if (config_->LastIndex >= 0)
        PlanIndex = config_->LastIndex;

    // 17. Toolbar layout, discarded first when a newer version ran last.
    settings::ToolbarLayoutStore layouts(*config_);
    layouts.discardIfNewer(config_->PreviousVersion, services_.version);
    if (const auto layout = layouts.load(kMainWindowName)) {
        restoreState(QByteArray(reinterpret_cast<const char*>(layout->data()),
                                static_cast<qsizetype>(layout->size())));
    }

    // 18. Apply the configuration.
    ApplyScreenFonts(this, *config_);
    state_.ButtonRow.mode = config_->ButtonAlignment == 0   ? ButtonAlignment::Left
                            : config_->ButtonAlignment == 1 ? ButtonAlignment::Centre
                                                            : ButtonAlignment::Right;
}

bool TMainWin::IsBackupNeeded() const {
    return app::IsBackupNeeded(config_->BackupScheduleDays, config_->Days, config_->LastBackup,
                               TodayAsDayCount());
}

void TMainWin::requestBackup() {
    if (state_.Crashed || !services_.dataFileHooks.requestBackup)
        return;
    services_.dataFileHooks.requestBackup(state_.DataFilePath);
}

void TMainWin::Shutdown() {
    if (ShutdownDone)
        return;
    ShutdownDone = true;
    SaveFormPosition(*config_, this);
    config_->LastIndex = PlanIndex;
    config_->SaveSettings(settings::kMainForm);
}

void TMainWin::FormClose() {
    Shutdown();
    settings::ToolbarLayoutStore(*config_).save(kMainWindowName, toBytes(saveState()));
    if (config_->BackupOnClose || IsBackupNeeded())
        requestBackup();
}

void TMainWin::closeEvent(QCloseEvent* event) {
    FormClose();
    event->accept();
}

void TMainWin::ExitNow() {
    close();
}

void TMainWin::bringToFront() {
    if (isMinimized())
        showNormal();
    show();
    raise();
    activateWindow();
}

void TMainWin::endSession() {
    state_.SessionEnding = true;
    close();
}

}  // namespace app
