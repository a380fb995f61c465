#include "uninstall/sweepel_run.h"

#include <unistd.h>

#include <filesystem>

namespace uninstall {

bool removeTargetFile(const std::string& path) { return ::unlink(path.c_str()) == 0; }

bool hasSomethingToAsk(const SweepelArgs& args) {
    if (args.targetFile.empty() || args.targetDescription.empty()) return false;
    std::error_code ec;
    const auto status = std::filesystem::symlink_status(args.targetFile, ec);
    return !ec && std::filesystem::exists(status);
}

void runSweepel(const SweepelArgs& args, platform::MessageBoxes& boxes) {
    if (!hasSomethingToAsk(args)) return;
    const std::string& file = args.targetFile;
    const std::string& what = args.targetDescription;

    const std::string caption = "Uninstall " + what;
    const std::string question = "Do you want to uninstall the file containing the " + what +
                                 " (" + file + ")? " + "\r\n" + "If you do, the " + what +
                                 " you have entered will be permanently " + "deleted.";

    const auto answer = platform::ask(boxes, caption + "?", question, platform::MsgButtons::YesNo);
    if (answer == platform::MsgAnswer::Yes) {
        if (!removeTargetFile(file)) {
            platform::showOk(boxes, caption,
                             "The file containing the " + what + " (" + file +
                                 ") could not be deleted." + "\r\n" + "\r\n" +
                                 "You will need to manually remove the file " + file + ".",
                             platform::MsgIcon::Warning);
        }
    } else {
        platform::showOk(boxes, caption,
                         "The " + what + " file (" + file + ") was not deleted. ",
                         platform::MsgIcon::Information);
    }
}

}  // namespace uninstall
