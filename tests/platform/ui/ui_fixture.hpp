#pragma once
// A fresh headless backend and application for each test, on a small screen, with the trace
// going to a temporary file.
#include "platform/backend/headless/headless_backend.hpp"
#include "platform/ui/application.hpp"
#include "platform/ui/form.hpp"
#include "support/temp_dir.hpp"

#include <gtest/gtest.h>

#include <memory>
#include <sstream>
#include <string>
#include <vector>

namespace kartino::testkit {

class UiTest : public ::testing::Test {
  protected:
    UiTest() { start(); }
    // Builds a fresh backend and application; forms of the previous one must be gone.
    void start(const std::string &script = "", ui::ScreenSize screen = {64, 48}) {
        backend::HeadlessConfig c;
        c.screen = screen;
        c.script = backend::parseScript(script);
        c.tracePath = dir.file("trace.txt");
        c.clockStart.hour = 8;
        backend_ = std::make_unique<backend::HeadlessBackend>(std::move(c));
        app_ = std::make_unique<ui::Application>(*backend_);
    }
    ui::Application &app() { return *app_; }
    backend::HeadlessBackend &headless() { return *backend_; }

    std::vector<std::string> traceLines() const {
        std::istringstream in(readFile(dir.file("trace.txt")));
        std::vector<std::string> lines;
        for (std::string l; std::getline(in, l);)
            lines.push_back(l);
        return lines;
    }
    gfx::Colour screenAt(int x, int y) const { return backend_->framebuffer().at(x, y); }

    TempDir dir;

  private:
    std::unique_ptr<backend::HeadlessBackend> backend_;
    std::unique_ptr<ui::Application> app_;
};

// A form that records its events in order.
class RecordingForm : public ui::Form {
  public:
    RecordingForm(ui::Application &app, std::string name, std::vector<std::string> &log)
        : Form(app, name), log_(log) {}
    void Form_Load() override { log_.push_back(name() + " Load"); }
    void Form_Activate() override { log_.push_back(name() + " Activate"); }
    void Form_Paint() override {
        log_.push_back(name() + " Paint");
        if (onPaint) onPaint();
    }
    void Form_KeyDown(int &KeyCode, int Shift) override {
        log_.push_back(name() + " KeyDown " + std::to_string(KeyCode) + " " + std::to_string(Shift));
        if (onKeyDown) onKeyDown(KeyCode);
    }
    void Form_KeyUp(int &KeyCode, int Shift) override {
        log_.push_back(name() + " KeyUp " + std::to_string(KeyCode) + " " + std::to_string(Shift));
    }
    void Form_MouseDown(int Button, int Shift, float X, float Y) override {
        log_.push_back(name() + " MouseDown " + std::to_string(Button) + " " + std::to_string(int(X)) + " " +
                       std::to_string(int(Y)));
    }
    void Form_MouseMove(int Button, int Shift, float X, float Y) override {
        log_.push_back(name() + " MouseMove " + std::to_string(int(X)) + " " + std::to_string(int(Y)));
    }
    void Form_Click() override { log_.push_back(name() + " Click"); }

    std::function<void()> onPaint;
    std::function<void(int &)> onKeyDown;

  private:
    std::vector<std::string> &log_;
};

} // namespace kartino::testkit
