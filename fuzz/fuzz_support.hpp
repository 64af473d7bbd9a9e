#pragma once
// What every fuzz target needs: a message box that shows nothing, a scratch file per process
// (removed at exit) for readers that open files by name, and a check that stops the run.
#include "common/services.hpp"
#include "platform/ui/messagebox.hpp"

#include <cstdint>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>
#include <vector>

namespace kartino::fuzzing {

struct SessionEnded {};

class SilentBox : public ui::MessageBox {
  public:
    void show(const std::string &, const std::vector<std::string> &) override {}
};

// A file named `name` in a folder of this process's own.
inline const std::string &scratchFile(const std::string &name) {
    static const std::string path = [&name] {
        auto dir = std::filesystem::temp_directory_path() / ("kartino-fuzz-" + std::to_string(::getpid()));
        std::filesystem::create_directories(dir);
        static const std::filesystem::path scratch = dir;
        std::atexit([] {
            std::error_code ignored;
            std::filesystem::remove_all(scratch, ignored);
        });
        return (dir / name).string();
    }();
    return path;
}

// The bytes after the first `skip` written as the scratch file `name`, and the services of a
// session around it; endsession throws SessionEnded. The error log goes to a folder that does
// not exist, so a report costs no disk traffic.
struct FuzzSession {
    FuzzSession(const std::string &name, const std::uint8_t *data, std::size_t size, std::size_t skip)
        : file(scratchFile(name)) {
        std::ofstream out(file, std::ios::binary | std::ios::trunc);
        out.write(reinterpret_cast<const char *>(data + skip), static_cast<std::streamsize>(size - skip));
        sh.settingspaths[9] = file + ".no-folder/";
    }

    const std::string &file;
    basic::PathResolver paths{[](char) { return std::optional<std::string>(); }};
    basic::FileTable files{paths};
    basic::FakeClock clock;
    basic::Random rnd;
    SilentBox box;
    common::Services sv{paths, files, clock, rnd, box, {}, {}, [] { throw SessionEnded{}; }};
    common::Shared sh;
};

inline void check(bool condition) {
    if (!condition) std::abort();
}

} // namespace kartino::fuzzing
