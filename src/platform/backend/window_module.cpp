#include "platform/backend/window_module.hpp"

#include <dlfcn.h>
#include <unistd.h>

#include <array>
#include <stdexcept>
#include <string>

namespace kartino::backend {

namespace {

constexpr const char *kModuleFile = "kartino-sdl.so";

// The folder of the running program, "" when it cannot be told.
std::string programFolder() {
    std::array<char, 4096> path{};
    ssize_t n = readlink("/proc/self/exe", path.data(), path.size());
    if (n <= 0 || static_cast<std::size_t>(n) >= path.size()) return "";
    std::string exe(path.data(), static_cast<std::size_t>(n));
    return exe.substr(0, exe.rfind('/'));
}

// The loaded module: the first of the places that holds the file. A file that is there but cannot
// be loaded (a library it needs is missing, a symbol unresolved) is reported, not passed over.
void *loadModule() {
    const std::string folder = programFolder();
    const std::string places[] = {folder + "/" + kModuleFile,
                                  folder + "/" KARTINO_MODULE_DIR "/" + kModuleFile};
    for (const std::string &place : places) {
        if (folder.empty() || access(place.c_str(), F_OK) != 0) continue;
        if (void *module = dlopen(place.c_str(), RTLD_NOW | RTLD_LOCAL)) return module;
        const char *why = dlerror();
        throw std::runtime_error(std::string("cannot load the window backend: ") + (why ? why : place));
    }
    throw std::runtime_error(std::string("cannot load the window backend: ") + kModuleFile +
                             " is neither beside the program nor in its lib folder");
}

} // namespace

std::unique_ptr<ui::Backend> openWindowBackend(const SdlConfig &config) {
    // Never unloaded: the backend's code, and whatever SDL left running, live in it.
    static void *module = nullptr;
    if (!module) module = loadModule();
    auto *open = reinterpret_cast<OpenSdlBackend *>(dlsym(module, kOpenSdlBackend));
    if (!open)
        throw std::runtime_error(std::string("cannot load the window backend: ") + kOpenSdlBackend +
                                 " is missing from " + kModuleFile);
    return std::unique_ptr<ui::Backend>(open(config));
}

} // namespace kartino::backend
