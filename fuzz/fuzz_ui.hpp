#pragma once
// A headless application on a small screen, for the targets whose readers draw or read input.
#include "platform/backend/headless/headless_backend.hpp"
#include "platform/ui/application.hpp"

#include <vector>

namespace kartino::fuzzing {

inline backend::HeadlessConfig headlessConfig(ui::ScreenSize screen, std::vector<backend::ScriptCommand> script) {
    backend::HeadlessConfig config;
    config.screen = screen;
    config.script = std::move(script);
    return config;
}

struct HeadlessApp {
    explicit HeadlessApp(ui::ScreenSize screen, std::vector<backend::ScriptCommand> script = {})
        : headless(headlessConfig(screen, std::move(script))) {}

    backend::HeadlessBackend headless;
    ui::Application app{headless};
};

} // namespace kartino::fuzzing
