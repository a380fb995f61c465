#pragma once

#include <string>

#include "platform/message_boxes.h"
#include "uninstall/sweepel_args.h"

namespace uninstall {

// Removes the file at `path`; false when it could not be removed. A path that names a
// folder is not removed (unlink refuses it), which is how a data-file path that has
// become a folder ends in the "could not be deleted" report.
bool removeTargetFile(const std::string& path);

// True when both switches were given and something exists at the target path;
// otherwise sweepel ends without showing anything.
bool hasSomethingToAsk(const SweepelArgs& args);

// Asks whether to delete the target file and acts on the answer. Shows nothing when a
// switch is missing or nothing exists at the path. Every box has no owner window.
void runSweepel(const SweepelArgs& args, platform::MessageBoxes& boxes);

}  // namespace uninstall
