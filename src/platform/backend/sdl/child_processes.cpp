#include "platform/backend/sdl/child_processes.hpp"

#include <csignal>
#include <cstdlib>
#include <filesystem>
#include <fstream>
#include <string>
#include <unistd.h>

namespace kartino::backend {

namespace {

// The parent of process `pid` from /proc/PID/stat ("pid (name) state ppid ..."; the name may
// hold blanks and parentheses, so the fields are counted from the last ')'); 0 when unknown.
pid_t parentof(const std::string &pid) {
    std::ifstream in("/proc/" + pid + "/stat");
    std::string stat((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    const std::size_t close = stat.rfind(')');
    if (close == std::string::npos || close + 4 > stat.size()) return 0;
    return static_cast<pid_t>(std::strtol(stat.c_str() + close + 4, nullptr, 10));
}

} // namespace

void endchildprocesses() {
    std::error_code ec;
    for (const auto &entry : std::filesystem::directory_iterator("/proc", ec)) {
        const std::string name = entry.path().filename().string();
        if (name.find_first_not_of("0123456789") != std::string::npos) continue;
        if (parentof(name) == getpid()) kill(static_cast<pid_t>(std::stol(name)), SIGKILL);
    }
}

} // namespace kartino::backend
