#include "app/program_start.h"

#include <QApplication>
#include <QFileInfo>
#include <QFontDatabase>

#include "app/connect_main_window.h"
#include "app/termination_signals.h"
#include "platform/qt/qt_locale.h"
#include "platform/qt/qt_message_boxes.h"
#include "platform/qt/qt_program_launcher.h"
#include "platform/qt/single_instance.h"
#include "platform/special_folders.h"

#ifndef DEBT_VERSION
#define DEBT_VERSION "0.0.0"
#endif

namespace app {
namespace {

// fontconfig does not look into Wine's font folder, where "Tahoma" comes from.
void registerReportFonts() {
    for (const char* file :
         {"/usr/share/wine/fonts/tahoma.ttf", "/usr/share/wine/fonts/tahomabd.ttf"}) {
        if (QFileInfo::exists(QString::fromLatin1(file))) {
            QFontDatabase::addApplicationFont(QString::fromLatin1(file));
        }
    }
}

settings::ProgramLocation runningProgram() {
    settings::ProgramLocation program;
    program.folder =
        QFileInfo(QCoreApplication::applicationDirPath()).absoluteFilePath().toStdString();
    if (program.folder.empty() || program.folder.back() != '/')
        program.folder += '/';
    program.exeName = QFileInfo(QCoreApplication::applicationFilePath()).fileName().toStdString();
    program.driveRoot = platform::mountPointOf(program.folder);
    return program;
}

}  // namespace

int RunProgram(int argc, char** argv) {
    QApplication application(argc, argv);
    // From here on a SIGTERM waits in the event loop for the normal close path.
    TerminationSignals termination;

    // A later copy asks the running one to come forward and ends without a window.
    platform::SingleInstance instance;
    if (instance.acquire() != platform::SingleInstance::Result::First)
        return 0;

    ProcessState state;
    QApplication::setApplicationName(QString::fromStdString(state.DisplayName));
    QApplication::setApplicationDisplayName(QString::fromStdString(state.DisplayName));
    QApplication::setApplicationVersion(QStringLiteral(DEBT_VERSION));
    application.setProperty("helpFile", QStringLiteral("debt.chm"));
    registerReportFonts();

    platform::Registry registry = platform::Registry::fromEnvironment();
    platform::QtMessageBoxes boxes;
    platform::QtProgramLauncher launcher;

    ui::StartupServices services;
    services.registry = &registry;
    services.boxes = &boxes;
    services.launcher = &launcher;
    services.locale = platform::systemLocaleInfo();
    services.program = runningProgram();
    services.version = DEBT_VERSION;
    state.ExeName = services.program.exeName;

    // The help window lives as long as the main window and closes with it.
    HelpViewer help(boxes, defaultHelpFolder(), state.DisplayName);
    ui::TMainWin window(state, services);
    ConnectMainWindow(window, boxes, state, help);
    QObject::connect(&instance, &platform::SingleInstance::raiseRequested, &window,
                     &ui::TMainWin::bringToFront);
    QObject::connect(&termination, &TerminationSignals::terminationRequested, &window,
                     &ui::TMainWin::endSession);
    QObject::connect(&application, &QGuiApplication::commitDataRequest, &window,
                     [&window](QSessionManager&) { window.endSession(); });
    window.show();
    return QApplication::exec();
}

}  // namespace app
