#pragma once
// One start of the program on a backend: the session object with its services, the three
// forms, the event loop and the exit code. main() runs it on the backend the environment
// chooses; end-to-end tests run it on a headless one and look at its forms afterwards.
#include "common/services.hpp"
#include "demo/form_demo.hpp"
#include "exercise/form_kartino.hpp"
#include "platform/basic/errors.hpp"
#include "platform/basic/numbered_files.hpp"
#include "platform/basic/paths.hpp"
#include "platform/basic/random.hpp"
#include "platform/text/codepage.hpp"
#include "platform/ui/application.hpp"
#include "platform/ui/backend.hpp"
#include "session/form1.hpp"
#include "session/session.hpp"

#include <string>

namespace kartino::app {

// The host's command line: the arguments after the program's name joined with single blanks,
// so that its fixed columns come out as the host wrote them.
std::string commandlineof(int argc, const char *const *argv);

// The message box of the shared error handler, shown through the application so that the
// screen is up to date behind it.
class ApplicationMessageBox final : public ui::MessageBox {
  public:
    explicit ApplicationMessageBox(ui::Application &app) : app_(app) {}
    void show(const std::string &title, const std::vector<std::string> &lines) override {
        app_.MsgBox(title, lines);
    }

  private:
    ui::Application &app_;
};

// What the environment chooses of the program's own behaviour (through the backend settings).
struct ProgramOptions {
    bool keyboardpointer = false;                    // the arrow keys point on the map, Space answers
    text::CodePage oempage = text::CodePage::Oem850; // the DOS code page of the data files
};

class Program {
  public:
    // `drives` maps the drive letters of the data to folders (without it every drive stands for
    // the root). main() takes the drives and the options from the backend settings.
    Program(ui::Backend &backend, std::string commandline, basic::PathResolver::DriveLookup drives = {},
            ProgramOptions options = {});

    // Runs the session to its end: 0 after a normal end, 1 after a cancel or a failure.
    int run();

    session::Session &session() { return session_; }
    session::Form1 &form1() { return form1_; }
    exercise::FormKartino &formkartino() { return formkartino_; }
    demo::FormDemo &formdemo() { return formdemo_; }
    ui::Application &application() { return app_; }

  private:
    int endafterfailure(const basic::RuntimeError *error, const std::string &what);

    ui::Application app_;
    basic::PathResolver paths_;
    basic::FileTable files_;
    basic::Random rnd_;
    ApplicationMessageBox box_;
    common::Services services_;
    session::Session session_;
    exercise::FormKartino formkartino_;
    demo::FormDemo formdemo_;
    session::Form1 form1_;
};

// Program(backend, commandline, drives, options).run().
int runprogram(ui::Backend &backend, const std::string &commandline, basic::PathResolver::DriveLookup drives,
               ProgramOptions options);

} // namespace kartino::app
