#pragma once
// The backend without a window: the screen is a surface in memory, input comes from a script,
// time from a fake clock that moves only on the script's waits, sounds and message boxes become
// trace lines, and `screenshot` writes what the trainee would see as a PNG.
//
// The script is a timeline: DoEvents (nextEvent without `wait`) hands out the input lines up to
// the next wait and never takes the wait, so the clock stands still in it. A wait for time (for
// input, a timer's deadline, a pause) takes waits up to its deadline; a longer wait is split and
// its rest is still waited before the next line. DoEvents called over and over while the script
// waits throws ScriptStalled: a loop that waits for time that way would never end.
//
// At the end of the script the window is closed as `close` does. After that, a wait for input
// with a timer due moves the clock on to that timer (for at most an hour of fake time); a wait
// with nothing due throws ScriptStalled instead of spinning, so a form that waits for input the
// script never gives fails loudly.
//
// With a folder for shots, every moment the program names (an answer judged, the summary) is
// kept there as a picture of the screen, numbered in order: 0001-answer.png, 0002-answer.png …
#include "platform/backend/headless/script.hpp"
#include "platform/basic/clock.hpp"
#include "platform/ui/backend.hpp"

#include <deque>
#include <memory>
#include <stdexcept>

namespace kartino::backend {

class ScriptStalled : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct HeadlessConfig {
    ui::ScreenSize screen; // 1024 x 768
    int dpi = 96;
    std::vector<ScriptCommand> script;
    std::string tracePath;       // "" = no trace
    basic::CivilTime clockStart; // the fake clock's start
    std::string shotsDir;        // "" = no pictures of the session's moments
};

class HeadlessBackend final : public ui::Backend {
  public:
    explicit HeadlessBackend(HeadlessConfig config);
    ~HeadlessBackend() override;

    ui::ScreenSize screenSize() const override { return config_.screen; }
    int dpi() const override { return config_.dpi; }
    basic::Clock &clock() override { return clock_; }
    ui::Trace &trace() override { return trace_; }
    ui::MessageBox &messageBox() override;
    ui::Sound &sound() override;
    void setCursorVisible(bool visible) override { cursorVisible_ = visible; }
    ui::ScreenPoint cursorPos() const override { return mouse_; }
    void setCursorPos(ui::ScreenPoint p) override { mouse_ = p; }
    gfx::Surface &screen() override { return framebuffer_; }
    void present(const std::vector<gfx::Rect> &) override {} // the framebuffer is the screen
    std::optional<ui::InputEvent> nextEvent(std::optional<std::int64_t> deadlineMs, bool wait) override;
    void moment(const std::string &name) override;

    // For tests and the demonstration.
    const gfx::Surface &framebuffer() const { return framebuffer_; }
    basic::FakeClock &fakeClock() { return clock_; }
    bool cursorVisible() const { return cursorVisible_; }
    bool scriptFinished() const { return next_ >= config_.script.size() && closeSent_; }

  private:
    bool runWait(std::optional<std::int64_t> deadlineMs);
    void execute(const ScriptCommand &c);
    std::optional<ui::InputEvent> idleLook();
    std::optional<ui::InputEvent> afterScript(std::optional<std::int64_t> deadlineMs, bool wait);

    HeadlessConfig config_;
    basic::FakeClock clock_;
    ui::Trace trace_;
    std::unique_ptr<ui::MessageBox> messageBox_;
    std::unique_ptr<ui::Sound> sound_;
    gfx::Surface framebuffer_;
    std::deque<ui::InputEvent> pending_;
    std::size_t next_ = 0;
    std::int64_t waitLeft_ = 0;
    std::int64_t freeRunMs_ = 0;
    int idleLooks_ = 0; // DoEvents looks in a row that found nothing due
    int shots_ = 0;     // pictures of moments kept so far
    bool closeSent_ = false;
    bool cursorVisible_ = true;
    ui::ScreenPoint mouse_;
};

} // namespace kartino::backend
