#include "app/program.hpp"

#include "common/errors.hpp"
#include "platform/basic/errors.hpp"
#include "platform/ui/session_end.hpp"
#include "session/result_records.hpp"

#include <cstdio>
#include <exception>

namespace kartino::app {

std::string commandlineof(int argc, const char *const *argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) line += ' ';
        line += argv[i];
    }
    return line;
}

Program::Program(ui::Backend &backend, std::string commandline, basic::PathResolver::DriveLookup drives,
                 ProgramOptions options)
    : app_(backend), paths_(std::move(drives)), files_(paths_),
      box_(app_), services_{paths_,
                            files_,
                            app_.clock(),
                            rnd_,
                            box_,
                            [this] { app_.DoEvents(); },
                            [this](std::int64_t until) { app_.waitUntil(until); },
                            {}},
      session_(services_), formkartino_(app_, session_, options.keyboardpointer), formdemo_(app_, session_),
      form1_(app_, session_, std::move(commandline),
             {[this] { formdemo_.ShowModal(); }, [this] { formkartino_.Show(); }}) {
    services_.oempage = options.oempage;
    services_.endsession = [this] { session::endsession(session_); };
    app_.setOnClose([this] { session::endsession(session_); });
    app_.setPathResolver([this](const std::string &name) { return paths_.resolve(name); });
}

int Program::run() {
    try {
        return app_.run([this] { form1_.Show(); });
    } catch (const basic::RuntimeError &e) {
        return endafterfailure(&e, e.what());
    } catch (const std::exception &e) {
        return endafterfailure(nullptr, e.what());
    }
}

// A failure that no handler of the program caught still ends the session the one way the host
// knows: reported like any run-time error, then the cancel record.
// A report that fails itself (no box, no log) must not keep the record from being written.
int Program::endafterfailure(const basic::RuntimeError *error, const std::string &what) {
    try {
        if (error)
            common::errhandler(services_, session_.shared, *error, "kartino:run");
        else
            std::fprintf(stderr, "kartino: %s\n", what.c_str());
    } catch (const std::exception &e) {
        std::fprintf(stderr, "kartino: %s; reporting it failed: %s\n", what.c_str(), e.what());
    } catch (const ui::SessionEnd &) {
        // The record is what matters; it is written below.
    }
    try {
        session::endsession(session_);
    } catch (const ui::SessionEnd &end) {
        app_.trace().line("exit " + std::to_string(end.exitCode));
        return end.exitCode;
    }
    return 1;
}

int runprogram(ui::Backend &backend, const std::string &commandline, basic::PathResolver::DriveLookup drives,
               ProgramOptions options) {
    return Program(backend, commandline, std::move(drives), options).run();
}

} // namespace kartino::app
