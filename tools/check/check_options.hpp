#pragma once
// The command line of kartino-check:
//   kartino-check [--exercise NAME] [--language NAME] FOLDER
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kartino::check {

struct Options {
    std::vector<std::string> exercises; // empty: every exercise definition file of the language folder
    std::string language;               // empty: DEUTSCH, or the one language folder below UEB
    std::string folder;
};

class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

extern const char *const usageText;

// Reads the arguments after the program's name; nothing when help was asked for.
std::optional<Options> parsearguments(const std::vector<std::string> &args);

} // namespace kartino::check
