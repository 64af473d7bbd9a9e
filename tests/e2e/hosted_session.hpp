#pragma once
// One start of the program over a sample exercise of examples/, laid out as the host player lays
// it out: the data set copied into a folder that stands for drive K:, "CVOR" written from the
// host's options, the fixed-column command line; then the whole program runs in this process on
// the headless backend with a script, a screen and the fake clock on a fixed day.
#include "app/program.hpp"
#include "host_options.hpp"
#include "platform/backend/headless/headless_backend.hpp"
#include "platform/basic/output_faults.hpp"
#include "support/temp_dir.hpp"

#include <memory>
#include <string>

namespace kartino::testkit {

// A golden session of tests/e2e/NAME: the sample, the host's options without it, the
// trainee's script, the screen and the clock it starts at.
struct RecordedSession {
    std::string name, dataset, options, script;
    ui::ScreenSize screen;
    basic::CivilTime clock{2026, 12, 7, 0, 0, 0, 0};
};
RecordedSession recordedsession(const std::string &name);
std::string sessionfile(const std::string &session, const std::string &name); // "<missing>" when absent

class HostedSession {
  public:
    // `dataset` names a folder of examples/; `options` are kartino-host's options without it.
    HostedSession(const std::string &dataset, const std::string &options);

    // Runs the program; returns its exit code. The program stays alive for inspection.
    int run(const std::string &script, ui::ScreenSize screen = {1024, 768},
            basic::CivilTime clock = {2026, 12, 7, 10, 0, 0, 0});

    int run(const RecordedSession &session) { return run(session.script, session.screen, session.clock); }

    std::string resultfile(const std::string &name) const; // "<missing>" when absent
    bool resultexists(const std::string &name) const;
    app::Program &program() { return *program_; }
    const host::HostOptions &options() const { return options_; }

    TempDir root;                          // drive K:
    bool keepresults = false;              // run() leaves result files of an earlier run in place
    basic::OutputFaults *faults = nullptr; // the output fault plan of the run
    std::string tracepath;                 // the backend's trace ("" = none)
    app::ProgramOptions programoptions;    // what the environment would choose

  private:
    host::HostOptions options_;
    std::unique_ptr<backend::HeadlessBackend> backend_;
    std::unique_ptr<app::Program> program_;
};

} // namespace kartino::testkit
