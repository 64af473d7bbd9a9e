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
void appendToLog(Services &services, const Shared &shared, const std::string &line) {
    closeAllQuietly(services.files);
    try {
        services.files.open(kLogFile, shared.settingspaths[kResultFolder] + "errwin.dat",
                            basic::OpenMode::Append);
        services.files.print(kLogFile, line);
    } catch (const basic::RuntimeError &) {
    }
    closeAllQuietly(services.files);
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

bool fnfileexists(Services &services, Shared &shared, const std::string &file, std::string_view context) {
    std::string message;
    if (malformedName(file)) {
        basic::RuntimeError err(basic::errBadFileNameOrNumber);
        message = err.source() + "," + std::string(context) + "," + std::to_string(err.number()) + "," +
                  err.description() + ",bzw. Datei nicht gefunden" + ",Datei: " + file;
    } else {
        if (services.paths.isFile(file)) return true;
        message = services.exename + "," + std::string(context) + ",Datei nicht gefunden," + file;
    }
    appendToLog(services, shared, services.clock.date() + "," + services.clock.time() + "," + message);
    services.msgbox.show("fehler", boxLines(message));
    return false;
}

void errhandler(Services &services, Shared &shared, const basic::RuntimeError &err,
                std::string_view location) {
    std::string message = err.source() + "," + std::string(location) + "," + std::to_string(err.number()) +
                          "," + err.description();
    if (err.number() == basic::errBadFileNameOrNumber) message += ",bzw. Datei nicht gefunden";
    if (!shared.currentfile.empty()) message += ",Datei: " + shared.currentfile;
    appendToLog(services, shared, services.clock.date() + services.clock.time() + message);
    services.msgbox.show("errhandler", boxLines(message));
}

void logerror(Services &services, const Shared &shared, std::string_view message) {
    int number = kLogFile;
    while (services.files.isOpen(number))
        ++number; // the first free file number
    try {
        services.files.open(number, shared.settingspaths[kResultFolder] + "errwin.dat",
                            basic::OpenMode::Append);
        services.files.print(number, services.clock.date() + services.clock.time() + std::string(message));
        services.files.close(number);
    } catch (const basic::RuntimeError &) {
        if (services.files.isOpen(number)) {
            try {
                services.files.close(number);
            } catch (const basic::RuntimeError &) {
            }
        }
    }
}

std::string fnoem(const Services &services, std::string_view text) {
    return text::ansiToOem(text, services.oempage);
}

void checkplatform(Shared &shared) {
    shared.isnt = true;
}

} // namespace kartino::common
