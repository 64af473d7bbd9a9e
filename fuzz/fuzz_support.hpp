#pragma once
// What every fuzz target needs: the services of a session whose files are held in memory (a
// reader finds only what the target put there, and what it writes goes nowhere, so a run touches
// no file on disk), set up as the tests set theirs up, and a check that stops the run.
//
// Drive letters stand for folders of the memory ("K:\DATEN\charset" is "/K/DATEN/charset").
// An input that holds several files separates them with the byte 0x1E (the record separator);
// splitParts gives them in order.
#include "support/service_set.hpp"

#include <cstdint>
#include <cstdlib>
#include <string>
#include <string_view>
#include <vector>

namespace kartino::fuzzing {

using testkit::SessionEnded;

inline constexpr char kPartSeparator = '\x1E';

// The bytes split at each separator into at most `count` parts, the last one taking the rest
// with its separators; missing parts are empty.
inline std::vector<std::string> splitParts(std::string_view bytes, std::size_t count) {
    std::vector<std::string> parts;
    while (parts.size() + 1 < count) {
        std::size_t end = bytes.find(kPartSeparator);
        if (end == std::string_view::npos) break;
        parts.emplace_back(bytes.substr(0, end));
        bytes.remove_prefix(end + 1);
    }
    parts.emplace_back(bytes);
    parts.resize(count);
    return parts;
}

inline std::string_view bytesOf(const std::uint8_t *data, std::size_t size) {
    return {reinterpret_cast<const char *>(data), size};
}

// The services of a session over files in memory; endsession throws SessionEnded. The error
// log goes to "K:\ERGEBNIS\errwin.dat", that is nowhere.
struct FuzzSession : testkit::ServiceSet {
    FuzzSession()
        : ServiceSet(
              [](char letter) -> std::optional<std::string> {
                  return "/" + std::string(1, static_cast<char>(letter & ~0x20));
              },
              basic::CivilTime{}, Files::InMemory) {
        shared.settingspaths[common::kResultFolder] = "K:\\ERGEBNIS\\";
    }
    // The bytes after the first `skip` held as the file `name` of drive K:, named by `file`.
    FuzzSession(const std::string &name, const std::uint8_t *data, std::size_t size, std::size_t skip)
        : FuzzSession() {
        file = hold("K:\\" + name, bytesOf(data + skip, size - skip));
    }

    // Holds `bytes` as the file `legacyPath` (a drive letter and "\"); returns the path.
    std::string hold(const std::string &legacyPath, std::string_view bytes) {
        std::string path = "/" + legacyPath.substr(0, 1) + legacyPath.substr(2);
        for (char &c : path)
            if (c == '\\') c = '/';
        memory.put(path, std::string(bytes));
        return legacyPath;
    }

    std::string file;
};

inline void check(bool condition) {
    if (!condition) std::abort();
}

} // namespace kartino::fuzzing
