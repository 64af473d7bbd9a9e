#pragma once
// The program's event loop over the forms: which form is shown on top and active, modal forms
// as nested loops, DoEvents, timers on the backend's clock, input routing, repainting and
// presenting the changed parts of the screen. One Application per run; tests build a fresh one
// on a fresh headless backend.
//
//   ui::Application app(backend);
//   app.setOnClose([&] { endsession(session); });   // the close box of the window
//   int code = app.run([&] { form1.Show(); });      // returns the code given to app.end()
#include "platform/text/font.hpp"
#include "platform/ui/backend.hpp"
#include "platform/ui/cursor.hpp"
#include "platform/ui/events.hpp"

#include <cstdint>
#include <functional>
#include <memory>
#include <optional>
#include <string>
#include <vector>

namespace kartino::ui {

class Control;
class Form;

class Application {
  public:
    explicit Application(Backend &backend);
    // Draws with `fonts`, which outlives the application: a process that runs many short
    // applications (the fuzz targets) sets up fontconfig and opens its faces once.
    Application(Backend &backend, text::Fonts &fonts);
    ~Application();
    Application(const Application &) = delete;
    Application &operator=(const Application &) = delete;

    Backend &backend() const { return backend_; }
    basic::Clock &clock() const { return backend_.clock(); }
    Trace &trace() const { return backend_.trace(); }
    ScreenSize screenSize() const { return screen_; }
    int dpi() const { return dpi_; }
    // The fonts the forms and controls draw with (faces, sizes and glyphs opened so far).
    text::Fonts &fonts() { return fonts_; }

    // ----- the platform calls of the legacy program
    int ShowCursor(bool show) { return cursor_.ShowCursor(show); }
    const CursorCounter &cursor() const { return cursor_; }
    ScreenPoint GetCursorPos() const { return backend_.cursorPos(); }
    void SetCursorPos(ScreenPoint p) { backend_.setCursorPos(p); }
    // Asynchronous; the name is turned into this machine's path by the resolver (below).
    void sndPlaySound(const std::string &file);
    void MsgBox(const std::string &title, const std::vector<std::string> &lines);
    // Runs pending events re-entrantly and does not wait (headless: the script's input lines up
    // to the next wait, which it leaves alone).
    void DoEvents();
    // Runs events re-entrantly, timers included, until the clock's monotonicMs() reaches
    // `deadlineMs`, sleeping while nothing happens (headless: takes the script's waits up to the
    // deadline). What a pause waits on.
    void waitUntil(std::int64_t deadlineMs);

    // ----- the end of the program
    // Throws SessionEnd{code}.
    [[noreturn]] void end(int exitCode);
    // Runs `start` (which shows the first form), then events until no form is loaded. Returns
    // the exit code of a SessionEnd, or 0 when the last form unloaded; either is traced as
    // "exit CODE".
    int run(const std::function<void()> &start);
    // What the window's close button does; without a handler it ends with code 1.
    void setOnClose(std::function<void()> handler) { onClose_ = std::move(handler); }
    // How the program's file names become paths of this machine (the program's path layer);
    // without one a name is taken as a path, converted from ANSI to UTF-8.
    void setPathResolver(std::function<std::string(const std::string &)> resolve) {
        resolvePath_ = std::move(resolve);
    }

    // ----- state
    Form *activeForm() const; // the topmost shown form
    const gfx::Surface &screen() const { return backend_.screen(); }
    void present(); // repaint invalid regions, compose the damage and present it
    // Tells the backend of a moment worth a look afterwards (see Backend::moment), the screen
    // presented first.
    void moment(const std::string &name) {
        present();
        backend_.moment(name);
    }

    // ----- used by forms and controls
    void registerForm(Form *f);
    void unregisterForm(Form *f);
    void formShown(Form &f);  // f becomes visible on top (Activate is raised by Show)
    void formHidden(Form &f); // f left the screen; the form below is uncovered and activated
    void activateTop();       // raises Form_Activate when the topmost form changed
    void runModal(Form &f);   // nested loop until f is hidden
    // Shown with the next present, if f is on top. A map's thousands of steps mostly land inside
    // what changed last, which the damage already holds, whichever form drew it.
    void damage(const Form &f, const gfx::Rect &r) {
        if (!lastDamage_.contains(r)) addDamage(f, r);
    }
    void controlGone(const Control *c);

  private:
    void step(bool wait);
    void pollTermination();
    void addDamage(const Form &f, const gfx::Rect &r);
    void dispatch(const InputEvent &e);
    void dispatchMouse(const InputEvent &e);
    void dispatchKey(const InputEvent &e);
    void fireDueTimers();
    std::optional<std::int64_t> nextTimerDue() const;
    void processPaints();
    void compose(const gfx::Rect &r);
    bool anyLoaded() const;

    Backend &backend_;
    ScreenSize screen_;
    int dpi_;
    std::unique_ptr<text::Fonts> ownFonts_; // unless the fonts were lent
    text::Fonts &fonts_;
    CursorCounter cursor_;
    std::vector<gfx::Rect> damage_;
    // The rectangle of the damage that took the last change: rectangles only grow until a
    // present takes them, so what it holds needs no search.
    gfx::Rect lastDamage_;
    std::vector<Form *> forms_;   // every form of the program
    std::vector<Form *> zorder_;  // shown forms, bottom to top
    Form *active_ = nullptr;      // the form that last got Activate
    Control *capture_ = nullptr;  // control that got the mouse down
    Form *captureForm_ = nullptr; // form that got the mouse down
    int buttons_ = 0;             // mouse buttons held
    std::function<void()> onClose_;
    std::function<std::string(const std::string &)> resolvePath_;
};

} // namespace kartino::ui
