#pragma once
// A headless application on a small screen, for the targets whose readers draw or read input.
// The fonts outlive the run, so fontconfig reads its configuration once per process.
#include "platform/backend/headless/headless_backend.hpp"
#include "platform/ui/application.hpp"

#include <vector>

namespace kartino::fuzzing {

inline backend::HeadlessConfig headlessConfig(ui::ScreenSize screen,
                                              std::vector<backend::ScriptCommand> script) {
    backend::HeadlessConfig config;
    config.screen = screen;
    config.script = std::move(script);
    return config;
}

// The fonts of the process: opened once, lent to each run's application.
inline text::Fonts &processFonts() {
    static text::Fonts fonts;
    return fonts;
}

struct HeadlessApp {
    explicit HeadlessApp(ui::ScreenSize screen, std::vector<backend::ScriptCommand> script = {})
        : headless(headlessConfig(screen, std::move(script))) {}

    backend::HeadlessBackend headless;
    ui::Application app{headless, processFonts()};
};

} // namespace kartino::fuzzing
