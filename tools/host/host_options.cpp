#include "host_options.hpp"

#include <fstream>
#include <iterator>
#include <sstream>

namespace kartino::host {

const char *const hostUsageText =
    "usage: kartino-host [options] DATASET\n"
    "\n"
    "Copies the data set folder DATASET into a fresh result folder, writes the settings file\n"
    "CVOR there (folders through drive K:, which KARTINO_DRIVE_K points at), starts the program\n"
    "with the fixed-column command line, waits and prints R.DAT, FB.DAT and errwin.dat.\n"
    "\n"
    "options:\n"
    "  --exercise NAME      exercise definition file, 5 characters (default EUROP)\n"
    "  --block N            block of the exercise definition file (default 1)\n"
    "  --tasks N            tasks in one run (default 10)\n"
    "  --language NAME      language folder below UEB and charset key (default DEUTSCH)\n"
    "  --hostflags N        host flag word (default 0)\n"
    "  --hostoptions N      host option word (default 0)\n"
    "  --protocolflags N    protocol flag word (default 0)\n"
    "  --featuremask N      feature mask (default 0)\n"
    "  --seed N             random seed (default 1)\n"
    "  --area WxH           pixel area of the design screen, -1x-1 for the whole screen (default)\n"
    "  --program PATH       program to start (default: kartino beside this executable)\n"
    "  --out DIR            result folder to create or reuse (default: a new temporary folder)\n"
    "  --in-place           use DATASET itself as the result folder (old result files stay)\n"
    "  --options-file FILE  take further options from FILE (words separated by blanks or lines,\n"
    "                       for example a data set's host-options)\n"
    "  --help               this text\n"
    "\n"
    "KARTINO_* variables of the environment reach the program unchanged.\n"
    "Exit code: the program's, or 2 when the host cannot start it.\n";

namespace {

std::string readOptionsFile(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw UsageError{"cannot read the options file " + path};
    return std::string((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
}

int intOption(const std::string &name, const std::string &value, long low, long high) {
    long v = 0;
    if (!parseNumber(value, low, high, v))
        throw UsageError{name + " needs a whole number from " + std::to_string(low) + " to " +
                         std::to_string(high) + ", not \"" + value + "\""};
    return static_cast<int>(v);
}

} // namespace

HostOptions parseHostOptions(const std::vector<std::string> &given) {
    HostOptions o;
    o.cmd.exercise = "EUROP";
    std::vector<std::string> args = given;
    int filesread = 0;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string a = args[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= args.size()) throw UsageError{a + " needs a value"};
            return args[++i];
        };
        if (a == "--help" || a == "-h") {
            o.help = true;
            return o;
        } else if (a == "--options-file") {
            if (++filesread > 16)
                throw UsageError{"--options-file: more than 16 files (one that names itself?)"};
            const std::vector<std::string> more = optionwords(readOptionsFile(value()));
            args.insert(args.begin() + static_cast<std::ptrdiff_t>(i) + 1, more.begin(), more.end());
        } else if (a == "--exercise") {
            o.cmd.exercise = value();
        } else if (a == "--block") {
            o.cmd.block = intOption(a, value(), 0, 99);
        } else if (a == "--tasks") {
            o.cmd.tasks = intOption(a, value(), 0, 999);
        } else if (a == "--language") {
            o.language = value();
        } else if (a == "--hostflags") {
            o.settings.hostflags = intOption(a, value(), -32768, 32767);
        } else if (a == "--hostoptions") {
            o.settings.hostoptions = intOption(a, value(), -32768, 32767);
        } else if (a == "--protocolflags") {
            o.settings.protocolflags = intOption(a, value(), -32768, 32767);
        } else if (a == "--featuremask") {
            o.settings.featuremask = intOption(a, value(), -32768, 32767);
        } else if (a == "--seed") {
            long seed = 0;
            const std::string v = value();
            if (!parseNumber(v, -2147483647L, 2147483647L, seed))
                throw UsageError{"--seed needs a whole number"};
            o.settings.seed = seed;
        } else if (a == "--area") {
            const std::string v = value();
            if (!parseArea(v, o.settings.areawidth, o.settings.areaheight))
                throw UsageError{"--area needs WIDTHxHEIGHT, not \"" + v + "\""};
        } else if (a == "--program") {
            o.program = value();
        } else if (a == "--out") {
            o.out = value();
        } else if (a == "--in-place") {
            o.inPlace = true;
        } else if (a.starts_with("--")) {
            throw UsageError{"unknown option " + a};
        } else if (o.dataset.empty()) {
            o.dataset = a;
        } else {
            throw UsageError{"more than one data set given: " + a};
        }
    }
    if (o.dataset.empty()) throw UsageError{"no data set folder given"};
    if (o.inPlace && !o.out.empty()) throw UsageError{"--in-place and --out exclude each other"};
    return o;
}

std::vector<std::string> optionwords(const std::string &text) {
    std::vector<std::string> words;
    std::istringstream lines(text);
    for (std::string line; std::getline(lines, line);) {
        std::istringstream in(line.substr(0, line.find('#')));
        for (std::string w; in >> w;)
            words.push_back(w);
    }
    return words;
}

} // namespace kartino::host
