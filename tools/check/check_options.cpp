#include "check_options.hpp"

namespace kartino::check {

const char *const usageText =
    "usage: kartino-check [--exercise NAME] [--language NAME] FOLDER\n"
    "\n"
    "Checks the data set FOLDER, laid out as kartino-host takes it, the way the program reads it:\n"
    "the exercise definition files, the language file, the maps and lists they name. Every\n"
    "problem is reported as FILE:LINE: error: ... or FILE:LINE: warning: ..., then a summary.\n"
    "\n"
    "options:\n"
    "  --exercise NAME   the exercise definition file to check (may be given more than once;\n"
    "                    default: every file of five characters in the language folder)\n"
    "  --language NAME   the language folder below UEB (default DEUTSCH, or the only one)\n"
    "  --help            this text\n"
    "\n"
    "Exit code 0 without errors, 1 with errors, 2 for wrong arguments.\n";

std::optional<Options> parsearguments(const std::vector<std::string> &args) {
    Options o;
    for (std::size_t i = 0; i < args.size(); ++i) {
        const std::string &a = args[i];
        auto value = [&]() -> std::string {
            if (i + 1 >= args.size() || args[i + 1].empty()) throw UsageError(a + " needs a value");
            return args[++i];
        };
        if (a == "--help" || a == "-h") return std::nullopt;
        if (a == "--exercise") {
            const std::string name = value();
            if (name.size() != 5)
                throw UsageError("--exercise needs a name of 5 characters, not \"" + name + "\"");
            o.exercises.push_back(name);
        } else if (a == "--language") {
            o.language = value();
        } else if (a.starts_with("-")) {
            throw UsageError("unknown option " + a);
        } else if (o.folder.empty()) {
            o.folder = a;
        } else {
            throw UsageError("one data set folder is checked; \"" + a + "\" is one too many");
        }
    }
    if (o.folder.empty()) throw UsageError("no data set folder given");
    return o;
}

} // namespace kartino::check
