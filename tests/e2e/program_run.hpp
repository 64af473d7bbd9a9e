#pragma once
// Runs the whole program in this process on the headless backend, as the host would start it,
// over a HostDataSet: a script, a screen size, the fake clock at 10:00:00. The program and its
// forms stay alive after the run so tests can look at the controls the session left.
#include "app/program.hpp"
#include "host_dataset.hpp"
#include "platform/backend/headless/headless_backend.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <functional>
#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace kartino::testkit {

class ProgramRun : public ::testing::Test {
  protected:
    HostDataSet data;

    // Writes the data set and runs the program with the script; returns its exit code.
    int run(const std::string &script, ui::ScreenSize screen = {1024, 768}) {
        data.write();
        return runwith(data.commandline(), script, screen);
    }

    int runwith(const std::string &commandline, const std::string &script,
                ui::ScreenSize screen = {1024, 768}) {
        program_.reset();
        backend::HeadlessConfig c;
        c.screen = screen;
        c.script = backend::parseScript(script);
        c.tracePath = out.file("trace.txt");
        std::remove(c.tracePath.c_str());
        c.clockStart = {2026, 12, 7, 10, 0, 0, 0};
        backend_ = std::make_unique<backend::HeadlessBackend>(std::move(c));
        wrapped_ = wrap ? wrap(*backend_) : nullptr;
        program_ = std::make_unique<app::Program>(wrapped_ ? *wrapped_ : *backend_, commandline,
                                                  [this](char letter) { return data.drivefolder(letter); });
        return program_->run();
    }

    app::Program &program() { return *program_; }
    session::Form1 &form1() { return program_->form1(); }
    exercise::FormKartino &formkartino() { return program_->formkartino(); }
    demo::FormDemo &formdemo() { return program_->formdemo(); }
    session::Session &session() { return program_->session(); }

    // The trace without the lines of the system cursor, which every form shows and hides.
    std::vector<std::string> trace() const {
        std::vector<std::string> lines;
        for (const std::string &l : fulltrace())
            if (l.rfind("cursor ", 0) != 0) lines.push_back(l);
        return lines;
    }
    std::vector<std::string> fulltrace() const {
        std::istringstream in(readFile(out.file("trace.txt")));
        std::vector<std::string> lines;
        for (std::string l; std::getline(in, l);)
            lines.push_back(l);
        return lines;
    }
    std::string shot(const std::string &name) const { return out.file(name + ".png"); }
    std::string rdat() const { return data.resultfile("R.DAT"); }
    std::string errorlog() const { return data.resultfile("errwin.dat"); }

    TempDir out; // trace and screenshots
    // When set, the program runs on what this makes of the headless backend (a test's decorator).
    std::function<std::unique_ptr<ui::Backend>(ui::Backend &)> wrap;

  private:
    std::unique_ptr<backend::HeadlessBackend> backend_;
    std::unique_ptr<ui::Backend> wrapped_;
    std::unique_ptr<app::Program> program_;
};

} // namespace kartino::testkit
