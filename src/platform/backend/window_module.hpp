#pragma once
// The window backend lives in a module of its own (kartino-sdl.so), loaded on the first request
// for a window, so that a headless process never maps SDL2 and the window system's libraries.
// It is looked for beside the program (the build tree) and then in the installed lib folder.
#include "platform/backend/sdl/sdl_backend.hpp"

#include <memory>

namespace kartino::backend {

// A window backend from the module. Throws std::runtime_error when the module cannot be found or
// loaded ("cannot load the window backend: …") and when the backend cannot start, as SdlBackend's
// constructor does. The module stays loaded for the rest of the process.
std::unique_ptr<ui::Backend> openWindowBackend(const SdlConfig &config);

} // namespace kartino::backend
