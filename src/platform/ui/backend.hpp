#pragma once
// What the forms need from the machine: a screen to present pixels on, input, time, sound, a
// message box and the mouse cursor. The SDL backend uses a real window; the headless backend
// plays a script and keeps the pixels for screenshots. Nothing above the platform layer knows
// which one runs.
#include "platform/basic/clock.hpp"
#include "platform/gfx/surface.hpp"
#include "platform/ui/events.hpp"
#include "platform/ui/messagebox.hpp"
#include "platform/ui/trace.hpp"

#include <cstdint>
#include <optional>
#include <string>
#include <vector>

namespace kartino::ui {

// sndPlaySoundA with the asynchronous flag: starts a WAV file and returns at once. A new sound
// cuts the one playing; a missing or unreadable file is silent (and still cuts the previous one).
// `name` is the file as the program names it (ANSI, perhaps with a drive letter and "\"), for
// the trace; `path` is that file on this machine, which is what is played.
class Sound {
  public:
    virtual ~Sound() = default;
    virtual void play(const std::string &name, const std::string &path) = 0;
};

struct ScreenSize {
    int width = 1024, height = 768;
    bool operator==(const ScreenSize &) const = default;
};

class Backend {
  public:
    virtual ~Backend() = default;

    virtual ScreenSize screenSize() const = 0;
    virtual int dpi() const = 0; // logical pixels per inch
    virtual basic::Clock &clock() = 0;
    virtual Trace &trace() = 0;
    virtual MessageBox &messageBox() = 0;
    virtual Sound &sound() = 0;

    // The real cursor; the forms' display counter decides (see cursor.hpp).
    virtual void setCursorVisible(bool visible) = 0;
    // GetCursorPos and SetCursorPos, in screen pixels. Putting the cursor somewhere is no input:
    // the program hears of no mouse move from it.
    virtual ScreenPoint cursorPos() const = 0;
    virtual void setCursorPos(ScreenPoint p) = 0;

    // The screen-sized surface the forms are composed into. The backend keeps it as what the
    // screen shows, so the screen exists once, not once on each side.
    virtual gfx::Surface &screen() = 0;
    // Shows the given rectangles of screen(); the rest of what is on the screen stays as it was.
    // Cost follows the rectangles, not the screen.
    virtual void present(const std::vector<gfx::Rect> &damage) = 0;

    // The next input event. With `wait`, blocks until an event comes or the clock's
    // monotonicMs() reaches `deadlineMs` (a timer is due; nullopt is returned), and returns
    // nullopt soon after a termination signal, so the loop can end the session. Without `wait`,
    // returns what is pending and does not block (headless: the script's input lines up to the
    // next wait; the clock does not move).
    // The headless backend throws (a std::runtime_error) when its script has ended and nothing
    // can ever come: a wait without a deadline after the final close.
    virtual std::optional<InputEvent> nextEvent(std::optional<std::int64_t> deadlineMs, bool wait) = 0;

    // A moment of the session worth a look afterwards ("answer": an answer was judged,
    // "summary": the summary is shown), with the screen presented up to it. The headless backend
    // can keep a picture of each; the others pass it by.
    virtual void moment(const std::string &name) { (void)name; }
};

} // namespace kartino::ui
