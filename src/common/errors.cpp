#include "common/errors.hpp"

#include "common/fields.hpp"

namespace kartino::common {

namespace {

constexpr int kLogFile = 1;

// A name the directory search refuses: control characters and the characters Windows file
// names cannot hold.
bool malformedName(std::string_view name) {
    for (unsigned char c : name)
        if (c < 32 || c == '<' || c == '>' || c == '|' || c == '"') return true;
    return false;
}

void closeAllQuietly(basic::FileTable &files) {
    try {
        files.closeAll();
    } catch (const basic::RuntimeError &) {
    }
}

// Closes all files, then appends one line to errwin.dat in the result folder. A log that cannot
// be written (no result folder, no permission) is passed over: the report in the box still
// reaches the trainee. Nor does an open file that fails to be written as it is closed here keep
// the report out of the log.
void appendToLog(Services &sv, const Shared &sh, const std::string &line) {
    closeAllQuietly(sv.files);
    try {
        sv.files.open(kLogFile, sh.settingspaths[kResultFolder] + "errwin.dat", basic::OpenMode::Append);
        sv.files.print(kLogFile, line);
    } catch (const basic::RuntimeError &) {
    }
    closeAllQuietly(sv.files);
}

std::vector<std::string> boxLines(const std::string &message) {
    std::vector<std::string> lines;
    std::size_t start = 0;
    for (;;) {
        std::size_t comma = message.find(',', start);
        lines.push_back(message.substr(start, comma - start));
        if (comma == std::string::npos) return lines;
        start = comma + 1;
    }
}

} // namespace

std::string fnfullpath(std::string_view name, std::string_view base) {
    std::string n = trim(name);
    if (n.empty()) return n;
    if (n.front() == '\\' || n.find(':') != std::string::npos) return n;
    return std::string(base) + n;
}

bool fnfileexists(Services &sv, Shared &sh, const std::string &file, std::string_view context) {
    std::string message;
    if (malformedName(file)) {
        basic::RuntimeError err(basic::errBadFileNameOrNumber);
        message = err.source() + "," + std::string(context) + "," + std::to_string(err.number()) + "," +
                  err.description() + ",bzw. Datei nicht gefunden" + ",Datei: " + file;
    } else {
        if (sv.paths.isFile(file)) return true;
        message = sv.exename + "," + std::string(context) + ",Datei nicht gefunden," + file;
    }
    appendToLog(sv, sh, sv.clock.date() + "," + sv.clock.time() + "," + message);
    sv.msgbox.show("fehler", boxLines(message));
    return false;
}

void errhandler(Services &sv, Shared &sh, const basic::RuntimeError &err, std::string_view location) {
    std::string message = err.source() + "," + std::string(location) + "," + std::to_string(err.number()) +
                          "," + err.description();
    if (err.number() == basic::errBadFileNameOrNumber) message += ",bzw. Datei nicht gefunden";
    if (!sh.currentfile.empty()) message += ",Datei: " + sh.currentfile;
    appendToLog(sv, sh, sv.clock.date() + sv.clock.time() + message);
    sv.msgbox.show("errhandler", boxLines(message));
}

void logerror(Services &sv, const Shared &sh, std::string_view message) {
    int number = kLogFile;
    while (sv.files.isOpen(number))
        ++number; // the first free file number
    try {
        sv.files.open(number, sh.settingspaths[kResultFolder] + "errwin.dat", basic::OpenMode::Append);
        sv.files.print(number, sv.clock.date() + sv.clock.time() + std::string(message));
        sv.files.close(number);
    } catch (const basic::RuntimeError &) {
        if (sv.files.isOpen(number)) {
            try {
                sv.files.close(number);
            } catch (const basic::RuntimeError &) {
            }
        }
    }
}

std::string fnoem(const Services &sv, std::string_view text) {
    return text::ansiToOem(text, sv.oempage);
}

void checkplatform(Shared &sh) {
    sh.isnt = true;
}

} // namespace kartino::common
