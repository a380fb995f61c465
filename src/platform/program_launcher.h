#pragma once

// Starts outside programs and opens documents, so the core can ask for it without Qt.

#include <string>
#include <vector>

namespace platform {

class ProgramLauncher {
  public:
    virtual ~ProgramLauncher() = default;
    // Starts `program` with `arguments` and does not wait; false when it cannot start.
    virtual bool startDetached(const std::string& program,
                               const std::vector<std::string>& arguments) = 0;
};

}  // namespace platform
