// kartino: the map exercise. The host starts it with a command line of fixed columns; the
// environment chooses the backend (KARTINO_BACKEND, KARTINO_SCREEN, KARTINO_SCRIPT …).
#include "app/program.hpp"
#include "platform/backend/settings.hpp"
#include "platform/basic/termination.hpp"

#include <cstdio>
#include <exception>

int main(int argc, char **argv) {
    using namespace kartino;
    std::unique_ptr<ui::Backend> backend;
    try {
        backend = backend::createBackend(backend::readSettings());
    } catch (const std::exception &e) {
        std::fprintf(stderr, "kartino: %s\n", e.what());
        return 1;
    }
    basic::installTerminationHandlers();
    return app::runprogram(*backend, app::commandlineof(argc, argv));
}
