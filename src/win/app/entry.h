#pragma once

namespace tw::win {

// The program from its first step to its exit code: reads the command line,
// creates the main window, runs the message loop. 217 when start-up itself
// fails, after the error has been shown.
int RunTintwright();

}  // namespace tw::win
