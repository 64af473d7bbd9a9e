#pragma once
// The host's command line: fixed columns of one text. Columns 1-5 name the exercise definition
// file, 6-7, 8-9 (block), 10-11 (options), 12-14 (task count) and 15-16 are numbers, and the
// rest from column 17 is the folder of the settings file "CVOR".
#include "session/settings.hpp"

#include <string>
#include <string_view>

namespace kartino::session {

// Column 17 to the end ("" for a shorter line).
std::string hostfolderof(std::string_view commandline);

// Columns 1 to 16 into the settings; a field that holds no number gives 0. A number beyond the
// 16-bit range (such as "1E9" in the task count) raises the overflow error.
void readcommandline(Settings &settings, std::string_view commandline);

} // namespace kartino::session
