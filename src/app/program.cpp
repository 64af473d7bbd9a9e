#include "app/program.hpp"

#include "common/errors.hpp"
#include "demo/form_demo.hpp"
#include "exercise/form_kartino.hpp"
#include "platform/basic/errors.hpp"
#include "platform/basic/numbered_files.hpp"
#include "platform/basic/paths.hpp"
#include "platform/basic/random.hpp"
#include "platform/text/codepage.hpp"
#include "platform/ui/application.hpp"
#include "platform/ui/session_end.hpp"
#include "session/form1.hpp"
#include "session/result_records.hpp"

#include <cstdio>
#include <exception>

namespace kartino::app {
namespace {

// The message box of the shared error handler, shown through the application so that the
// screen is up to date behind it.
class ApplicationMessageBox final : public ui::MessageBox {
  public:
    explicit ApplicationMessageBox(ui::Application &app) : app_(app) {}
    void show(const std::string &title, const std::vector<std::string> &lines) override { app_.MsgBox(title, lines); }

  private:
    ui::Application &app_;
};

// A failure that no handler of the program caught still ends the session the one way the host
// knows: reported like any run-time error, then the cancel record.
int endafterfailure(ui::Application &app, session::Session &s, const basic::RuntimeError *error,
                    const std::string &what) {
    try {
        if (error)
            common::errhandler(s.sv, s.sh, *error, "kartino:run");
        else
            std::fprintf(stderr, "kartino: %s\n", what.c_str());
        session::endsession(s);
    } catch (const ui::SessionEnd &end) {
        app.trace().line("exit " + std::to_string(end.exitCode));
        return end.exitCode;
    }
    return 1;
}

} // namespace

std::string commandlineof(int argc, const char *const *argv) {
    std::string line;
    for (int i = 1; i < argc; ++i) {
        if (i > 1) line += ' ';
        line += argv[i];
    }
    return line;
}

int runprogram(ui::Backend &backend, const std::string &commandline) {
    ui::Application app(backend);
    basic::PathResolver paths;
    basic::FileTable files(paths);
    basic::Random rnd;
    ApplicationMessageBox box(app);
    common::Services sv{paths, files, app.clock(), rnd, box, [&app] { app.DoEvents(); }, {}};
    sv.oempage = text::oemCodePageFromEnvironment();
    session::Session s(sv);
    sv.endsession = [&s] { session::endsession(s); };

    exercise::FormKartino formkartino(app, s);
    demo::FormDemo formdemo(app, s);
    session::Form1 form1(app, s, commandline,
                         {[&formdemo] { formdemo.ShowModal(); }, [&formkartino] { formkartino.Show(); }});
    app.setOnClose([&s] { session::endsession(s); });
    try {
        return app.run([&form1] { form1.Show(); });
    } catch (const basic::RuntimeError &e) {
        return endafterfailure(app, s, &e, e.what());
    } catch (const std::exception &e) {
        return endafterfailure(app, s, nullptr, e.what());
    }
}

} // namespace kartino::app
