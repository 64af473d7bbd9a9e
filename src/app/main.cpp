// kartino: the map exercise. The host starts it with a command line of fixed columns; the
// environment, read once here into the backend settings, chooses the backend (KARTINO_BACKEND,
// KARTINO_SCREEN, KARTINO_SCRIPT …), the folders of the drive letters and the data's code page.
//
// The host learns how the session ended only from R.DAT, so every way out leaves the cancel
// record where it can: a backend that cannot start runs the session on a silent headless one
// instead, which shows nothing and closes at once.
#include "app/program.hpp"
#include "platform/backend/settings.hpp"
#include "platform/basic/termination.hpp"

#include <cstdio>
#include <exception>

int main(int argc, char **argv) {
    using namespace kartino;
    // Before anything starts that might install handlers of its own, and before the first file
    // is written: from here on a termination signal only notes the request.
    basic::installTerminationHandlers();
    const std::string commandline = app::commandlineof(argc, argv);
    backend::Settings settings;
    std::unique_ptr<ui::Backend> backend;
    try {
        settings = backend::readSettings();
        backend = backend::createBackend(settings);
    } catch (const std::exception &e) {
        std::fprintf(stderr, "kartino: %s; nothing can be shown, the session is cancelled\n", e.what());
    }
    try {
        if (!backend) backend = backend::createSilentBackend(settings);
        return app::runprogram(*backend, commandline,
                               [&settings](char letter) { return settings.drive(letter); },
                               {settings.keyboardPointer, settings.oempage});
    } catch (const std::exception &e) {
        std::fprintf(stderr, "kartino: %s\n", e.what());
    } catch (...) {
        std::fprintf(stderr, "kartino: an unknown failure ended the program\n");
    }
    return 1;
}
