#pragma once
// kartino-check as a whole: reads the arguments, checks the data set, prints the findings and
// the summary to `out`, a usage error to `err`. Returns the exit code: 0 without errors, 1 with
// errors, 2 for wrong arguments.
//
//   std::ostringstream out, err;
//   int code = check::run({"--exercise", "ISLAN", "examples/iceland"}, out, err);
#include <iosfwd>
#include <string>
#include <vector>

namespace kartino::check {

int run(const std::vector<std::string> &args, std::ostream &out, std::ostream &err);

} // namespace kartino::check
