#pragma once

#include "platform/program_launcher.h"

namespace platform {

// Starts programs with QProcess::startDetached.
class QtProgramLauncher final : public ProgramLauncher {
  public:
    bool startDetached(const std::string& program,
                       const std::vector<std::string>& arguments) override;
};

}  // namespace platform
