#pragma once
// A session recorded as it goes: every input the program receives from the backend it wraps is
// written to a file as a headless script line, with a `wait` for the time between, under a first
// comment line that gives the clock's start and the screen ("# clock 10:00:00 screen 1024x768").
// Each line is written as it happens, so a session ended by a signal leaves what it had.
//
// A headless backend's clock already moves only on its script's waits. A window backend's real
// clock is read through a SteppedClock instead, so that the program sees the times a replay
// will give it: an input taken while waiting comes at least a millisecond after the time the
// program last saw, an input that comes after the deadline of the wait is kept for the next
// look, and a wait that reaches its deadline ends exactly there.
#include "platform/backend/stepped_clock.hpp"
#include "platform/ui/backend.hpp"

#include <memory>
#include <optional>
#include <string>
#include <string_view>

namespace kartino::backend {

std::string recordingHeader(const basic::CivilTime &start, ui::ScreenSize screen);

// The clock and the screen of a script whose first line is a recording's; nothing otherwise.
struct RecordedStart {
    std::optional<basic::CivilTime> clock;
    std::optional<ui::ScreenSize> screen;
};
RecordedStart readRecordingHeader(std::string_view script);

// The script line of an input event ("keydown 13", "move 10 20", "close").
std::string scriptLine(const ui::InputEvent &e);

// `inner` recording into the file at `path` (created, or emptied). `realTime`: the inner
// backend's clock is a real one, to be read through a SteppedClock. A file that cannot be
// created is reported on stderr and `inner` is returned as it is: the session runs unrecorded.
std::unique_ptr<ui::Backend> recordInto(std::unique_ptr<ui::Backend> inner, const std::string &path,
                                        bool realTime);

class RecordingBackend final : public ui::Backend {
  public:
    // `fd` is the recording's file, open for writing; it is closed with the backend.
    RecordingBackend(std::unique_ptr<ui::Backend> inner, int fd, bool realTime);
    ~RecordingBackend() override;
    RecordingBackend(const RecordingBackend &) = delete;
    RecordingBackend &operator=(const RecordingBackend &) = delete;

    ui::ScreenSize screenSize() const override { return inner_->screenSize(); }
    int dpi() const override { return inner_->dpi(); }
    basic::Clock &clock() override;
    ui::Trace &trace() override { return inner_->trace(); }
    ui::MessageBox &messageBox() override { return inner_->messageBox(); }
    ui::Sound &sound() override { return inner_->sound(); }
    void setCursorVisible(bool visible) override { inner_->setCursorVisible(visible); }
    // Where the last mouse input the program received was (or where it put the cursor), as a
    // replay's script has it.
    ui::ScreenPoint cursorPos() const override { return pointer_; }
    void setCursorPos(ui::ScreenPoint p) override;
    gfx::Surface &screen() override { return inner_->screen(); }
    void present(const std::vector<gfx::Rect> &damage) override { inner_->present(damage); }
    void moment(const std::string &name) override { inner_->moment(name); }
    std::optional<ui::InputEvent> nextEvent(std::optional<std::int64_t> deadlineMs, bool wait) override;

  private:
    std::optional<ui::InputEvent> nextStepped(std::optional<std::int64_t> deadlineMs, bool wait);
    std::optional<ui::InputEvent> deliverAt(std::int64_t arrival, std::optional<std::int64_t> deadlineMs);
    void record(const ui::InputEvent &e);
    void waitLine();
    void write(const std::string &line);

    std::unique_ptr<ui::Backend> inner_;
    std::optional<SteppedClock> stepped_;
    int fd_ = -1;
    std::int64_t written_ = 0; // the time the recording has reached
    ui::ScreenPoint pointer_;
    std::optional<ui::InputEvent> held_; // came after a wait's deadline
    std::int64_t heldArrival_ = 0;
};

} // namespace kartino::backend
