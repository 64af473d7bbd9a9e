#pragma once
// One start of the program on a backend: the session object with its services, the three
// forms, the event loop and the exit code. main() calls it with the real backend; end-to-end
// tests call it with a headless one.
#include "platform/ui/backend.hpp"

#include <string>

namespace kartino::app {

// The host's command line: the arguments after the program's name joined with single blanks,
// so that its fixed columns come out as the host wrote them.
std::string commandlineof(int argc, const char *const *argv);

// Runs the session to its end and returns the exit code (0 normal end, 1 cancel or failure).
int runprogram(ui::Backend &backend, const std::string &commandline);

} // namespace kartino::app
