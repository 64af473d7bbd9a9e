#include "findings.hpp"

#include "platform/text/codepage.hpp"

#include <algorithm>
#include <ostream>

namespace kartino::check {

std::string quoted(const std::string &ansi) {
    return "\"" + text::ansiToUtf8(ansi) + "\"";
}

void Findings::add(Finding f) {
    const auto same = [&f](const Finding &g) {
        return g.file == f.file && g.line == f.line && g.severity == f.severity && g.message == f.message;
    };
    // The blocks of an exercise often share a map: its findings are reported once.
    if (std::any_of(all_.begin(), all_.end(), same)) return;
    if (f.severity == Severity::Error) ++errors_;
    all_.push_back(std::move(f));
}

void Findings::error(const std::string &file, int line, const std::string &message) {
    add({file, line, Severity::Error, message});
}

void Findings::warning(const std::string &file, int line, const std::string &message) {
    add({file, line, Severity::Warning, message});
}

void Findings::print(std::ostream &out) const {
    for (const Finding &f : all_) {
        out << f.file;
        if (f.line > 0) out << ":" << f.line;
        out << (f.severity == Severity::Error ? ": error: " : ": warning: ") << f.message << "\n";
    }
    const auto plural = [](int n, const char *word) {
        return std::to_string(n) + " " + word + (n == 1 ? "" : "s");
    };
    out << plural(errors_, "error") << ", " << plural(warnings(), "warning") << "\n";
}

} // namespace kartino::check
