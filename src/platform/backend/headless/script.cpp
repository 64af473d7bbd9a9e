#include "platform/backend/headless/script.hpp"

#include "platform/basic/read_all.hpp"

#include <charconv>
#include <fcntl.h>
#include <map>
#include <sstream>
#include <unistd.h>

namespace kartino::backend {

namespace {

using Op = ScriptCommand::Op;

struct Syntax {
    Op op;
    int minArgs, maxArgs;
};

const std::map<std::string, Syntax, std::less<>> &commands() {
    static const std::map<std::string, Syntax, std::less<>> table = {
        {"wait", {Op::Wait, 1, 1}},       {"move", {Op::Move, 2, 2}},
        {"click", {Op::Click, 2, 2}},     {"down", {Op::Down, 2, 2}},
        {"up", {Op::Up, 2, 2}},           {"key", {Op::Key, 1, 2}},
        {"keydown", {Op::KeyDown, 1, 2}}, {"keyup", {Op::KeyUp, 1, 2}},
        {"close", {Op::Close, 0, 0}},     {"screenshot", {Op::Screenshot, 1, 1}},
    };
    return table;
}

std::vector<std::string> words(std::string_view line) {
    std::vector<std::string> out;
    std::istringstream in{std::string(line)};
    for (std::string w; in >> w;)
        out.push_back(w);
    return out;
}

constexpr int kReportedErrors = 20; // bad lines named one by one; the rest are counted
constexpr std::size_t kQuotedChars = 40;

// A word of the script as an error quotes it, cut short when it is long.
std::string quoted(const std::string &w) {
    return "'" + (w.size() > kQuotedChars ? w.substr(0, kQuotedChars) + "..." : w) + "'";
}

bool toInt(const std::string &s, int &v) {
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() && end == s.data() + s.size();
}

// Parses one line; returns an error text or "".
std::string parseLine(std::string_view text, int number, std::vector<ScriptCommand> &out) {
    std::vector<std::string> w = words(text.substr(0, text.find('#')));
    if (w.empty()) return "";
    auto it = commands().find(w[0]);
    if (it == commands().end()) return "unknown command " + quoted(w[0]);
    const Syntax &syn = it->second;
    int args = static_cast<int>(w.size()) - 1;
    if (args < syn.minArgs || args > syn.maxArgs)
        return "'" + w[0] + "' takes " +
               (syn.minArgs == syn.maxArgs
                    ? std::to_string(syn.minArgs)
                    : std::to_string(syn.minArgs) + " or " + std::to_string(syn.maxArgs)) +
               " argument(s), not " + std::to_string(args);
    ScriptCommand c;
    c.op = syn.op;
    c.line = number;
    if (syn.op == Op::Screenshot) {
        c.file = w[1];
    } else {
        int *slots[] = {&c.a, &c.b};
        for (int i = 0; i < args; ++i)
            if (!toInt(w[i + 1], *slots[i])) return quoted(w[i + 1]) + " is not a whole number";
        if (syn.op == Op::Wait && c.a < 0) return "a wait cannot be negative";
        bool key = syn.op == Op::Key || syn.op == Op::KeyDown || syn.op == Op::KeyUp;
        if (key && (c.a < 0 || c.a > 255)) return "key code " + w[1] + " is outside 0..255";
        if (key && (c.b < 0 || c.b > 7)) return "shift bits " + w[2] + " are outside 0..7";
    }
    out.push_back(c);
    return "";
}

} // namespace

std::vector<ScriptCommand> parseScript(std::string_view text) {
    std::vector<ScriptCommand> out;
    std::string errors;
    int bad = 0;
    int number = 0;
    std::size_t pos = 0;
    while (pos <= text.size()) {
        std::size_t end = text.find('\n', pos);
        std::string_view line =
            text.substr(pos, end == std::string_view::npos ? std::string_view::npos : end - pos);
        if (!line.empty() && line.back() == '\r') line.remove_suffix(1);
        ++number;
        std::string error = parseLine(line, number, out);
        if (!error.empty() && ++bad <= kReportedErrors)
            errors += (errors.empty() ? "" : "\n") + ("script line " + std::to_string(number) + ": " + error);
        if (end == std::string_view::npos) break;
        pos = end + 1;
    }
    if (bad > kReportedErrors)
        errors += "\n... and " + std::to_string(bad - kReportedErrors) + " more bad lines";
    if (!errors.empty()) throw ScriptError(errors);
    return out;
}

std::vector<ScriptCommand> readScriptFile(const std::string &path) {
    return parseScript(readScriptText(path));
}

std::string readScriptText(const std::string &path) {
    int fd = ::open(path.c_str(), O_RDONLY | O_CLOEXEC);
    if (fd < 0) throw ScriptError("cannot read the script " + path);
    std::string text;
    basic::ReadAll read = basic::readAll(fd, text, kMaxScriptBytes);
    ::close(fd);
    if (read == basic::ReadAll::TooLong)
        throw ScriptError("the script " + path + " is larger than " + std::to_string(kMaxScriptBytes >> 20) +
                          " MiB");
    if (read == basic::ReadAll::Failed) throw ScriptError("cannot read the script " + path);
    return text;
}

} // namespace kartino::backend
