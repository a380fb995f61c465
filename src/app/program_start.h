#pragma once

namespace app {

// The entry point of debt: makes sure only one copy runs, prepares the process-wide
// state and the services, creates the main window and runs the message loop.
int RunProgram(int argc, char** argv);

}  // namespace app
