#include "render_options.hpp"

#include <cerrno>
#include <cmath>
#include <cstdlib>

namespace kartino::render {

const char *const usageText =
    "usage: kartino-render [--screen WxH] [--zoom Z] [--palette FILE] [--record N] FILE.VEC OUT.png\n"
    "\n"
    "Draws the records of the vector file FILE.VEC the way the exercise draws its map and writes\n"
    "the picture to OUT.png.\n"
    "\n"
    "options:\n"
    "  --screen WxH     screen size in pixels; the 640 x 480 design area fills it (default 1024x768)\n"
    "  --zoom Z         the map's scale value (default: the header's /m=, else 4)\n"
    "  --palette FILE   the 64-colour palette file (default: stdvga64 beside FILE.VEC)\n"
    "  --record N       draw only record N (0 is the first record after the header)\n"
    "  --help           this text\n"
    "\n"
    "Exit code 0 when every record was drawn; 1 when the arguments or the files are wrong, or when\n"
    "a record is malformed (each is reported with its line; the picture is written all the same).\n";

namespace {

// A whole decimal number in [low, high], or nothing.
std::optional<long> wholenumber(const std::string &text, long low, long high) {
    if (text.empty() || text.front() == ' ' || text.front() == '+') return std::nullopt;
    errno = 0;
    char *end = nullptr;
    long v = std::strtol(text.c_str(), &end, 10);
    if (errno != 0 || *end != '\0' || v < low || v > high) return std::nullopt;
    return v;
}

void readscreen(const std::string &text, Options &o) {
    const std::size_t x = text.find_first_of("xX");
    const auto w = x == std::string::npos ? std::nullopt : wholenumber(text.substr(0, x), 1, maxScreenSide);
    const auto h = x == std::string::npos ? std::nullopt : wholenumber(text.substr(x + 1), 1, maxScreenSide);
    if (!w || !h)
        throw UsageError("--screen needs WIDTHxHEIGHT, each from 1 to " + std::to_string(maxScreenSide) +
                         " pixels, not \"" + text + "\"");
    o.width = static_cast<int>(*w);
    o.height = static_cast<int>(*h);
}

void readzoom(const std::string &text, Options &o) {
    errno = 0;
    char *end = nullptr;
    const double z = text.empty() ? 0 : std::strtod(text.c_str(), &end);
    if (text.empty() || errno != 0 || *end != '\0' || !std::isfinite(z) || z <= 0 || z > 1000)
        throw UsageError("--zoom needs a number above 0 and at most 1000, not \"" + text + "\"");
    o.zoom = z;
}

void readrecord(const std::string &text, Options &o) {
    const auto n = wholenumber(text, 0, 200);
    if (!n) throw UsageError("--record needs a record number from 0 to 200, not \"" + text + "\"");
    o.record = static_cast<int>(*n);
}

void takefile(const std::string &arg, Options &o) {
    if (o.input.empty())
        o.input = arg;
    else if (o.output.empty())
        o.output = arg;
    else
        throw UsageError("one vector file and one PNG file are needed; \"" + arg + "\" is one too many");
}

} // namespace

std::optional<Options> parsearguments(const std::vector<std::string> &args) {
    Options o;
    bool optionsended = false;
    for (std::size_t i = 0; i < args.size(); ++i) {
        std::string a = args[i];
        if (optionsended || a.size() < 2 || a[0] != '-') {
            if (a.empty()) throw UsageError("an empty file name was given");
            takefile(a, o);
            continue;
        }
        if (a == "--") {
            optionsended = true;
            continue;
        }
        if (a == "--help" || a == "-h") return std::nullopt;
        std::optional<std::string> inlinevalue;
        if (const std::size_t eq = a.find('='); a.starts_with("--") && eq != std::string::npos) {
            inlinevalue = a.substr(eq + 1);
            a.erase(eq);
        }
        auto value = [&]() -> std::string {
            if (inlinevalue) return *inlinevalue;
            if (i + 1 >= args.size()) throw UsageError(a + " needs a value");
            return args[++i];
        };
        if (a == "--screen")
            readscreen(value(), o);
        else if (a == "--zoom")
            readzoom(value(), o);
        else if (a == "--palette") {
            o.palette = value();
            if (o.palette.empty()) throw UsageError("--palette needs a file name");
        } else if (a == "--record")
            readrecord(value(), o);
        else
            throw UsageError("unknown option " + a);
    }
    if (o.input.empty()) throw UsageError("no vector file given");
    if (o.output.empty()) throw UsageError("no PNG file given to write the picture to");
    return o;
}

} // namespace kartino::render
