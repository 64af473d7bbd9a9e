#include "host_lib.hpp"

#include <charconv>
#include <stdexcept>

namespace kartino::host {

namespace {

// The number right-aligned in `width` columns, padded with blanks.
std::string column(int value, std::size_t width, const char *name) {
    std::string digits = std::to_string(value);
    if (digits.size() > width)
        throw std::invalid_argument(std::string(name) + " " + digits + " does not fit in " +
                                    std::to_string(width) + " columns");
    return std::string(width - digits.size(), ' ') + digits;
}

// A text item as list input reads it back: in double quotes (the text itself holds none).
std::string quoted(const std::string &text) {
    if (text.find('"') != std::string::npos)
        throw std::invalid_argument("a settings text may not contain a double quote: " + text);
    return "\"" + text + "\"";
}

} // namespace

std::string buildCommandLine(const CommandLineFields &f) {
    if (f.exercise.size() != 5)
        throw std::invalid_argument("the exercise name must have exactly 5 characters: \"" + f.exercise +
                                    "\"");
    if (f.exercise.find(' ') != std::string::npos)
        throw std::invalid_argument("the exercise name may not contain blanks: \"" + f.exercise + "\"");
    return f.exercise + column(f.field6, 2, "field 6") + column(f.block, 2, "block") +
           column(f.options, 2, "options") + column(f.tasks, 3, "tasks") + column(f.field15, 2, "field 15") +
           f.hostfolder;
}

SettingsFolders defaultFolders(char drive, const std::string &language) {
    const std::string root = std::string(1, drive) + ":\\";
    SettingsFolders f;
    f.paths.fill(root);
    f.paths[0] = root + dataFolder + "\\";
    f.paths[1] = root + exerciseRoot + "\\";
    f.paths[5] = root + mapFolder + "\\";
    f.paths[9] = root + resultFolder + "\\";
    f.paths[15] = language;
    f.suitefolder = root;
    return f;
}

std::string cvorText(const HostSettings &s, const SettingsFolders &folders) {
    const std::string eol = "\r\n";
    const std::string seed = std::to_string(s.seed);
    std::string out;
    // Line 1: area, host flags, two free words, host options, protocol flags, two free words,
    // feature mask, the seed twice, a free text.
    out += std::to_string(s.areawidth) + "," + std::to_string(s.areaheight) + "," +
           std::to_string(s.hostflags) + ",0,0," + std::to_string(s.hostoptions) + "," +
           std::to_string(s.protocolflags) + ",0,0," + std::to_string(s.featuremask) + "," + seed + "," +
           seed + "," + quoted("") + eol;
    out += "0,0,0,0,0,0" + eol;
    out += std::to_string(s.abortmodifier) + "," + std::to_string(s.abortscancode) + ",0,0," + quoted("") +
           "," + quoted("") + eol;
    // Lines 4-19 are read whole, so the folders stand unquoted.
    for (const std::string &p : folders.paths) {
        if (p.find_first_of("\r\n") != std::string::npos)
            throw std::invalid_argument("a folder may not contain a line break");
        out += p + eol;
    }
    out += quoted("") + ",0," + quoted("") + ",0," + quoted("") + "," + quoted(folders.suitefolder) + eol;
    return out;
}

bool parseNumber(const std::string &text, long low, long high, long &value) {
    long v = 0;
    const char *end = text.data() + text.size();
    auto [p, ec] = std::from_chars(text.data(), end, v);
    if (text.empty() || ec != std::errc() || p != end || v < low || v > high) return false;
    value = v;
    return true;
}

bool parseArea(const std::string &text, int &width, int &height) {
    const auto x = text.find_first_of("xX");
    long w = 0;
    long h = 0;
    if (x == std::string::npos || !parseNumber(text.substr(0, x), -1, 32767, w) ||
        !parseNumber(text.substr(x + 1), -1, 32767, h))
        return false;
    width = static_cast<int>(w);
    height = static_cast<int>(h);
    return true;
}

} // namespace kartino::host
