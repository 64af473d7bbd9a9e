// kartino-ui-demo: the platform layer's demonstration form on the backend the environment
// chooses (KARTINO_BACKEND, KARTINO_SCREEN, KARTINO_SCRIPT, KARTINO_TRACE …).
#include "demo_form.hpp"
#include "platform/backend/settings.hpp"

#include <cstdio>
#include <exception>

int main() {
    using namespace kartino;
    try {
        std::unique_ptr<ui::Backend> backend = backend::createBackend(backend::readSettings());
        ui::Application app(*backend);
        demo::DemoForm form(app);
        return app.run([&] { form.Show(); });
    } catch (const std::exception &e) {
        std::fprintf(stderr, "kartino-ui-demo: %s\n", e.what());
        return 1;
    }
}
