#include "checker.hpp"

#include "check_options.hpp"
#include "checks.hpp"

#include <algorithm>
#include <filesystem>
#include <iostream>

namespace kartino::check {

namespace {

namespace fs = std::filesystem;

constexpr int kUsageExit = 2;
constexpr std::size_t kExerciseNameLength = 5; // columns 1 to 5 of the host's command line

// DEUTSCH when the data set has it, else its only language folder.
std::string chooselanguage(const Options &o) {
    if (!o.language.empty()) return o.language;
    std::vector<std::string> folders;
    std::error_code ec;
    for (const auto &entry : fs::directory_iterator(fs::path(o.folder) / "UEB", ec))
        if (entry.is_directory()) folders.push_back(entry.path().filename().string());
    return folders.size() == 1 ? folders.front() : "DEUTSCH";
}

// The files of the language folder a host can name as an exercise: five characters, no dot.
std::vector<std::string> exercisesof(Dataset &d) {
    std::vector<std::string> names;
    std::error_code ec;
    for (const auto &entry : fs::directory_iterator(d.paths().resolve(d.langfolder()), ec)) {
        const std::string name = entry.path().filename().string();
        if (entry.is_regular_file() && name.size() == kExerciseNameLength &&
            name.find('.') == std::string::npos)
            names.push_back(name);
    }
    std::sort(names.begin(), names.end());
    return names;
}

} // namespace

int run(const std::vector<std::string> &args, std::ostream &out, std::ostream &err) {
    std::optional<Options> o;
    try {
        o = parsearguments(args);
    } catch (const UsageError &e) {
        err << "kartino-check: " << e.what() << "\n" << usageText;
        return kUsageExit;
    }
    if (!o) {
        out << usageText;
        return 0;
    }
    if (!fs::is_directory(o->folder)) {
        err << "kartino-check: the data set folder does not exist: " << o->folder << "\n" << usageText;
        return kUsageExit;
    }
    Dataset dataset(o->folder, chooselanguage(*o));
    Findings findings;
    Context c{dataset, findings};
    if (!dataset.paths().isDirectory(dataset.langfolder())) {
        findings.error(dataset.shown(dataset.langfolder()), 0, "the language folder is missing");
    } else {
        const LanguageFile language = checklanguage(c);
        checklabels(c, language);
        const std::vector<std::string> exercises = o->exercises.empty() ? exercisesof(dataset) : o->exercises;
        if (exercises.empty())
            findings.error(dataset.shown(dataset.langfolder()), 0,
                           "no exercise definition file (a name of 5 characters)");
        for (const std::string &name : exercises)
            checkexercise(c, name);
    }
    findings.print(out);
    return findings.errors() == 0 ? 0 : 1;
}

} // namespace kartino::check
