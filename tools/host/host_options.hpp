#pragma once
// The host player's options: what a host decides for one start of the program (exercise, block,
// tasks, settings words, seed, area) and where the data set and the program are.
#include "host_lib.hpp"

#include <string>
#include <vector>

namespace kartino::host {

inline constexpr char hostDrive = 'K'; // the drive letter the data set stands for

struct HostOptions {
    CommandLineFields cmd;
    HostSettings settings;
    std::string language = "DEUTSCH";
    std::string dataset;
    std::string program;
    std::string out;
    bool inPlace = false;
    bool help = false; // --help: nothing else was read
};

struct UsageError {
    std::string message;
};

extern const char *const hostUsageText;

// Reads the options (the command line's words after the program name); throws UsageError.
HostOptions parseHostOptions(const std::vector<std::string> &args);

// The words of an options file: separated by blanks, tabs or line ends; "#" starts a comment.
std::vector<std::string> optionwords(const std::string &text);

} // namespace kartino::host
