#pragma once
// The command line of kartino-render:
//   kartino-render [--screen WxH] [--zoom Z] [--palette FILE] [--record N] FILE.VEC OUT.png
#include <optional>
#include <stdexcept>
#include <string>
#include <vector>

namespace kartino::render {

struct Options {
    int width = 1024; // the screen in pixels; the design area is all of it
    int height = 768;
    std::optional<double> zoom; // the map's scale value; the header's "/m=" when missing
    std::string palette;        // a palette file; empty: "stdvga64" beside the vector file
    std::optional<int> record;  // draw only this record
    std::string input;          // the vector file
    std::string output;         // the PNG to write
};

// A command line the tool cannot follow; the message says what is wrong with it.
class UsageError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

extern const char *const usageText;

inline constexpr int maxScreenSide = 8192;

// Reads the arguments after the program's name; nothing when help was asked for. Options may
// stand before, between or after the two files, also as "--name=value"; "--" ends the options.
std::optional<Options> parsearguments(const std::vector<std::string> &args);

} // namespace kartino::render
