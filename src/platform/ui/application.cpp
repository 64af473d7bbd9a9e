#include "platform/ui/application.hpp"

#include "platform/basic/termination.hpp"
#include "platform/text/codepage.hpp"

#include "platform/gfx/draw.hpp"
#include "platform/ui/control.hpp"
#include "platform/ui/form.hpp"
#include "platform/ui/region.hpp"
#include "platform/ui/session_end.hpp"
#include "platform/ui/timer.hpp"

#include <algorithm>

namespace kartino::ui {

Application::Application(Backend &backend)
    : backend_(backend), screen_(backend.screenSize()), dpi_(backend.dpi()),
      ownFonts_(std::make_unique<text::Fonts>()), fonts_(*ownFonts_), cursor_(backend) {}

Application::Application(Backend &backend, text::Fonts &fonts)
    : backend_(backend), screen_(backend.screenSize()), dpi_(backend.dpi()), fonts_(fonts), cursor_(backend) {
}

Application::~Application() = default;

void Application::MsgBox(const std::string &title, const std::vector<std::string> &lines) {
    present();
    backend_.messageBox().show(title, lines);
}

void Application::sndPlaySound(const std::string &file) {
    backend_.sound().play(file, resolvePath_ ? resolvePath_(file) : text::ansiToUtf8(file));
}

void Application::end(int exitCode) {
    throw SessionEnd{exitCode};
}

int Application::run(const std::function<void()> &start) {
    try {
        start();
        while (anyLoaded())
            step(true);
        present();
        trace().line("exit 0");
        return 0;
    } catch (const SessionEnd &e) {
        // The exit routines of the program throw SessionEnd themselves; the trace line is
        // written here so that every way out leaves one.
        trace().line("exit " + std::to_string(e.exitCode));
        return e.exitCode;
    }
}

bool Application::anyLoaded() const {
    return std::any_of(forms_.begin(), forms_.end(), [](const Form *f) { return f->loaded(); });
}

// ----- forms on the screen

Form *Application::activeForm() const {
    return zorder_.empty() ? nullptr : zorder_.back();
}

void Application::registerForm(Form *f) {
    forms_.push_back(f);
}

void Application::unregisterForm(Form *f) {
    std::erase(forms_, f);
    std::erase(zorder_, f);
    if (active_ == f) active_ = nullptr;
    if (captureForm_ == f) captureForm_ = nullptr, capture_ = nullptr;
}

void Application::formShown(Form &f) {
    if (Form *below = activeForm(); below && below != &f) below->putAway(); // covered: out of sight
    std::erase(zorder_, &f);
    zorder_.push_back(&f);
    addToRegion(damage_, backend_.screen().bounds());
}

void Application::formHidden(Form &f) {
    bool wasTop = activeForm() == &f;
    std::erase(zorder_, &f);
    if (captureForm_ == &f) captureForm_ = nullptr, capture_ = nullptr;
    if (!wasTop) return;
    addToRegion(damage_, backend_.screen().bounds());
    if (Form *below = activeForm()) { // uncovered: repainted before it is activated
        below->invalidate(below->shown().bounds());
        below->repaintInvalid();
    }
    activateTop();
}

void Application::activateTop() {
    Form *top = activeForm();
    if (top == active_) return;
    active_ = top;
    if (top) top->Form_Activate();
}

void Application::runModal(Form &f) {
    while (f.visible())
        step(true);
}

void Application::controlGone(const Control *c) {
    if (capture_ == c) capture_ = nullptr;
}

void Application::addDamage(const Form &f, const gfx::Rect &r) {
    if (&f == activeForm()) lastDamage_ = addToRegion(damage_, r.intersect(backend_.screen().bounds()));
}

// ----- the loop

// A termination signal (SIGTERM, SIGINT, SIGHUP) ends the session like the window's close.
void Application::pollTermination() {
    if (!basic::terminationRequested()) return;
    basic::clearTerminationRequest();
    dispatch(InputEvent{EventKind::Close});
}

void Application::DoEvents() {
    present();
    pollTermination();
    while (auto e = backend_.nextEvent(nextTimerDue(), false)) {
        dispatch(*e);
        present();
    }
    fireDueTimers();
    present();
}

void Application::waitUntil(std::int64_t deadlineMs) {
    DoEvents();
    while (clock().monotonicMs() < deadlineMs) {
        present();
        pollTermination();
        std::optional<std::int64_t> due = nextTimerDue();
        std::optional<InputEvent> e = backend_.nextEvent(due ? std::min(*due, deadlineMs) : deadlineMs, true);
        if (e) dispatch(*e);
        fireDueTimers();
    }
    present();
}

void Application::step(bool wait) {
    present();
    pollTermination();
    std::optional<InputEvent> e = backend_.nextEvent(nextTimerDue(), wait);
    if (e) dispatch(*e);
    fireDueTimers();
    present();
}

std::optional<std::int64_t> Application::nextTimerDue() const {
    std::optional<std::int64_t> next;
    for (const Form *f : forms_) {
        if (!f->loaded()) continue;
        for (const Timer *t : f->timers())
            if (auto d = t->due(); d && (!next || *d < *next)) next = d;
    }
    return next;
}

void Application::fireDueTimers() {
    std::int64_t now = clock().monotonicMs();
    // Collect first: a handler may load, unload or destroy forms and timers.
    std::vector<Timer *> due;
    for (const Form *f : forms_)
        if (f->loaded())
            for (Timer *t : f->timers())
                if (auto d = t->due(); d && *d <= now) due.push_back(t);
    for (Timer *t : due) {
        bool alive = std::any_of(forms_.begin(), forms_.end(), [&](const Form *f) {
            return f->loaded() && std::find(f->timers().begin(), f->timers().end(), t) != f->timers().end();
        });
        if (alive) t->fire();
    }
}

// ----- painting and presenting

void Application::processPaints() {
    // A Paint handler may invalidate again; a few rounds settle it.
    for (int round = 0; round < 4; ++round) {
        bool any = false;
        for (Form *f : std::vector<Form *>(zorder_))
            if (f->needsRepaint() && f == activeForm()) {
                any = true;
                f->repaintInvalid();
            }
        if (!any) return;
    }
}

void Application::compose(const gfx::Rect &r) {
    gfx::Surface &screen = backend_.screen();
    Form *top = activeForm();
    if (!top) {
        screen.fill(r, 0);
        return;
    }
    const gfx::Surface &shown = top->shown();
    gfx::bitBlt(screen, r.left, r.top, r.width(), r.height(), shown, r.left, r.top);
    for (int pass = 0; pass < 2; ++pass) // windowless labels first, then the buttons above them
        for (const Control *c : top->controls())
            if (c->windowed() == (pass == 1)) c->compose(screen, r);
}

void Application::present() {
    processPaints();
    if (damage_.empty()) return;
    std::vector<gfx::Rect> rects;
    rects.swap(damage_);
    lastDamage_ = {};
    for (const gfx::Rect &r : rects)
        compose(r);
    backend_.present(rects);
}

} // namespace kartino::ui
