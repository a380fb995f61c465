// sweepel: offered by the uninstaller to delete the per-user plan data file.
// It shows only message boxes and always ends with exit code 0.

#include <QApplication>
#include <filesystem>
#include <string>
#include <vector>

#include "platform/qt/qt_message_boxes.h"
#include "uninstall/sweepel_args.h"
#include "uninstall/sweepel_run.h"

int main(int argc, char** argv) {
    std::vector<std::string> args(argv + 1, argv + argc);
    std::error_code ec;
    const std::string cwd = std::filesystem::current_path(ec).string();
    const uninstall::SweepelArgs parsed = uninstall::parseSweepelArgs(args, cwd);

    // Without anything to ask, end before touching the display.
    if (!uninstall::hasSomethingToAsk(parsed)) return 0;

    try {
        QApplication app(argc, argv);
        platform::QtMessageBoxes boxes;
        uninstall::runSweepel(parsed, boxes);
    } catch (...) {
        // Nothing to report to: the uninstaller only waits for us to end.
    }
    return 0;
}
