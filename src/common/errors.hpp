#pragma once
// Reporting failures to the trainee and the host: the missing-file test before opening a data
// file, and the handler that shows a run-time error in a box and appends it to "errwin.dat" in
// the result folder. After either report the caller ends the session.
#include "common/services.hpp"
#include "platform/basic/errors.hpp"

#include <string>
#include <string_view>

namespace kartino::common {

// The name joined to its base folder, unless it is empty, begins with "\" or holds a drive (":").
std::string fnfullpath(std::string_view name, std::string_view base);

// True when `file` names an existing file; otherwise the missing file is reported (box titled
// "fehler" and a line in errwin.dat) and the result is false.
bool fnfileexists(Services &services, Shared &shared, const std::string &file, std::string_view context);

// Shows and logs the run-time error with the location of the failing procedure.
void errhandler(Services &services, Shared &shared, const basic::RuntimeError &err,
                std::string_view location);

// Appends one line (date and time, then the message) to errwin.dat without showing a box and
// without touching the files the caller has open: for faults the session survives.
void logerror(Services &services, const Shared &shared, std::string_view message);

// Text for the host: ANSI to the OEM code page.
std::string fnoem(const Services &services, std::string_view text);

// Every platform this program runs on behaves as the NT family did: the start form stays
// loaded behind the exercise, and the exercise form keeps its persistent image while a task
// is drawn.
void checkplatform(Shared &shared);

} // namespace kartino::common
