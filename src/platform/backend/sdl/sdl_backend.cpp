#include "platform/backend/sdl/sdl_backend.hpp"

#include "platform/backend/sdl/sdl_keys.hpp"
#include "platform/backend/sdl/sdl_services.hpp"
#include "platform/basic/termination.hpp"
#include "platform/gfx/draw.hpp"

#include <SDL.h>

#include <cmath>
#include <stdexcept>
#include <utility>

namespace kartino::backend {

using ui::EventKind;
using ui::InputEvent;

namespace {

// The longest a wait for events goes without looking at a termination request: SDL retries its
// wait when a signal interrupts it, so the request is seen by looking, not by being woken.
constexpr int kSignalLookMs = 25;

} // namespace

struct SdlBackend::Impl {
    SdlConfig config;
    basic::RealClock clock;
    ui::Trace trace;
    SDL_Window *window = nullptr;
    ui::ScreenSize size;
    int dpi = 96;
    gfx::Surface copy; // the screen the forms are composed into; shown again when the window lost its pixels
    std::unique_ptr<SdlSound> sound;
    std::unique_ptr<SdlMessageBox> box;
    // Where the program put the cursor, until the window system's answer to it (a mouse move
    // there, which the program must not take for the trainee's) or another move comes.
    std::optional<ui::ScreenPoint> warped;

    explicit Impl(SdlConfig c) : config(std::move(c)), trace(config.tracePath) {}
    void blit(const std::vector<gfx::Rect> &rects);
    std::optional<InputEvent> translate(const SDL_Event &e);
};

SdlBackend::SdlBackend(SdlConfig config) : impl_(std::make_unique<Impl>(std::move(config))) {
    Impl &m = *impl_;
    SDL_SetHint(SDL_HINT_VIDEO_MINIMIZE_ON_FOCUS_LOSS, "0");
    // SIGINT and SIGTERM are the program's (they end the session with its cancel record); SDL's
    // own handlers would turn them into a quit event or replace ours.
    SDL_SetHint(SDL_HINT_NO_SIGNAL_HANDLERS, "1");
    if (SDL_InitSubSystem(SDL_INIT_VIDEO) != 0)
        throw std::runtime_error(std::string("cannot open the display: ") + SDL_GetError());
    // Without a display SDL falls back to drivers that show nothing; a trainee would wait in front
    // of an empty screen while the session waits for input. Only an explicit request gets them.
    const std::string driver = SDL_GetCurrentVideoDriver() ? SDL_GetCurrentVideoDriver() : "";
    const char *requested = SDL_GetHint(SDL_HINT_VIDEODRIVER);
    if ((driver == "offscreen" || driver == "dummy") && !(requested && driver == requested)) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        throw std::runtime_error("cannot open the display: no video driver shows a window (SDL found only '" +
                                 driver + "')");
    }
    Uint32 flags = 0;
    if (m.config.window) {
        m.size = *m.config.window;
    } else {
        SDL_DisplayMode mode;
        if (SDL_GetDesktopDisplayMode(0, &mode) != 0) {
            SDL_QuitSubSystem(SDL_INIT_VIDEO);
            throw std::runtime_error(std::string("cannot read the display size: ") + SDL_GetError());
        }
        m.size = {mode.w, mode.h};
        flags = SDL_WINDOW_BORDERLESS | SDL_WINDOW_FULLSCREEN_DESKTOP;
    }
    int x = m.config.window ? SDL_WINDOWPOS_CENTERED : 0, y = x;
    m.window = SDL_CreateWindow(m.config.title.c_str(), x, y, m.size.width, m.size.height, flags);
    if (!m.window) {
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
        throw std::runtime_error(std::string("cannot open a window: ") + SDL_GetError());
    }
    float hdpi = 0;
    if (m.config.dpi)
        m.dpi = *m.config.dpi;
    else if (SDL_GetDisplayDPI(0, nullptr, &hdpi, nullptr) == 0 && hdpi >= 48 && hdpi <= 480)
        m.dpi = static_cast<int>(std::lround(hdpi));
    m.copy = gfx::Surface(m.size.width, m.size.height);
    m.sound = std::make_unique<SdlSound>(m.trace);
    m.box = std::make_unique<SdlMessageBox>(m.trace, m.window);
}

// The backend goes when the program ends. Taking a full-screen window down makes SDL leave
// full-screen mode and wait about 100 ms for the display's answer, which would delay the end
// after a termination signal; the display frees the window with the process's connection, so
// a full-screen window is simply left to it.
SdlBackend::~SdlBackend() {
    impl_->sound.reset();
    if (impl_->window && impl_->config.window) {
        SDL_DestroyWindow(impl_->window);
        SDL_QuitSubSystem(SDL_INIT_VIDEO);
    }
}

ui::ScreenSize SdlBackend::screenSize() const {
    return impl_->size;
}
int SdlBackend::dpi() const {
    return impl_->dpi;
}
basic::Clock &SdlBackend::clock() {
    return impl_->clock;
}
ui::Trace &SdlBackend::trace() {
    return impl_->trace;
}
ui::MessageBox &SdlBackend::messageBox() {
    return *impl_->box;
}
ui::Sound &SdlBackend::sound() {
    return *impl_->sound;
}

void SdlBackend::setCursorVisible(bool visible) {
    SDL_ShowCursor(visible ? SDL_ENABLE : SDL_DISABLE);
}

ui::ScreenPoint SdlBackend::cursorPos() const {
    if (impl_->warped) return *impl_->warped;
    int x = 0, y = 0;
    SDL_GetMouseState(&x, &y);
    return {x, y};
}

void SdlBackend::setCursorPos(ui::ScreenPoint p) {
    impl_->warped = p;
    SDL_WarpMouseInWindow(impl_->window, p.x, p.y);
}

// Copies the rectangles of our copy of the screen into the window's surface and shows them.
void SdlBackend::Impl::blit(const std::vector<gfx::Rect> &rects) {
    SDL_Surface *target = SDL_GetWindowSurface(window);
    if (!target) return;
    gfx::Rect limit{0, 0, std::min(target->w, copy.width()), std::min(target->h, copy.height())};
    std::vector<SDL_Rect> shown;
    SDL_LockSurface(target);
    const SDL_PixelFormat *fmt = target->format;
    bool xrgb =
        fmt->BytesPerPixel == 4 && fmt->Rmask == 0xFF0000 && fmt->Gmask == 0xFF00 && fmt->Bmask == 0xFF;
    bool xbgr =
        fmt->BytesPerPixel == 4 && fmt->Rmask == 0xFF && fmt->Gmask == 0xFF00 && fmt->Bmask == 0xFF0000;
    for (const gfx::Rect &raw : rects) {
        gfx::Rect r = raw.intersect(limit);
        if (r.empty()) continue;
        for (int yy = r.top; yy < r.bottom; ++yy) {
            const gfx::Colour *src = copy.row(yy);
            auto *line =
                static_cast<Uint8 *>(target->pixels) + static_cast<std::ptrdiff_t>(yy) * target->pitch;
            for (int xx = r.left; xx < r.right; ++xx) {
                gfx::Colour c = src[xx];
                Uint32 v = xbgr   ? c
                           : xrgb ? ((c & 0xFF) << 16) | (c & 0xFF00) | ((c >> 16) & 0xFF)
                                  : SDL_MapRGB(fmt, gfx::redOf(c), gfx::greenOf(c), gfx::blueOf(c));
                if (fmt->BytesPerPixel == 4)
                    reinterpret_cast<Uint32 *>(line)[xx] = v;
                else
                    SDL_memcpy(line + xx * fmt->BytesPerPixel, &v, fmt->BytesPerPixel);
            }
        }
        shown.push_back({r.left, r.top, r.width(), r.height()});
    }
    SDL_UnlockSurface(target);
    if (!shown.empty()) SDL_UpdateWindowSurfaceRects(window, shown.data(), static_cast<int>(shown.size()));
}

gfx::Surface &SdlBackend::screen() {
    return impl_->copy;
}

void SdlBackend::present(const std::vector<gfx::Rect> &damage) {
    impl_->blit(damage);
}

std::optional<InputEvent> SdlBackend::Impl::translate(const SDL_Event &e) {
    switch (e.type) {
    case SDL_QUIT:
        return InputEvent{EventKind::Close};
    case SDL_WINDOWEVENT:
        if (e.window.event == SDL_WINDOWEVENT_CLOSE) return InputEvent{EventKind::Close};
        if (e.window.event == SDL_WINDOWEVENT_EXPOSED || e.window.event == SDL_WINDOWEVENT_SIZE_CHANGED ||
            e.window.event == SDL_WINDOWEVENT_RESTORED || e.window.event == SDL_WINDOWEVENT_SHOWN)
            blit({copy.bounds()}); // the window system lost our pixels: show them again
        return std::nullopt;
    case SDL_MOUSEMOTION:
        if (std::exchange(warped, std::nullopt) == ui::ScreenPoint{e.motion.x, e.motion.y})
            return std::nullopt;
        return InputEvent{EventKind::MouseMove,          e.motion.x, e.motion.y,
                          legacyButtons(e.motion.state), 0,          legacyShift(SDL_GetModState())};
    case SDL_MOUSEBUTTONDOWN:
    case SDL_MOUSEBUTTONUP: {
        int button = legacyButton(e.button.button);
        if (!button) return std::nullopt;
        return InputEvent{e.type == SDL_MOUSEBUTTONDOWN ? EventKind::MouseDown : EventKind::MouseUp,
                          e.button.x,
                          e.button.y,
                          button,
                          0,
                          legacyShift(SDL_GetModState())};
    }
    case SDL_KEYDOWN:
    case SDL_KEYUP: {
        int code = legacyKeyCode(e.key.keysym.sym);
        if (!code) return std::nullopt;
        return InputEvent{e.type == SDL_KEYDOWN ? EventKind::KeyDown : EventKind::KeyUp,
                          0,
                          0,
                          0,
                          code,
                          legacyShift(e.key.keysym.mod)};
    }
    default:
        return std::nullopt;
    }
}

std::optional<InputEvent> SdlBackend::nextEvent(std::optional<std::int64_t> deadlineMs, bool wait) {
    for (;;) {
        if (wait && basic::terminationRequested()) return std::nullopt;
        int timeout = 0; // DoEvents: only what is pending; waiting for time blocks below
        if (wait) {
            std::int64_t left = kSignalLookMs;
            if (deadlineMs) {
                left = std::min(left, *deadlineMs - impl_->clock.monotonicMs());
                if (left <= 0) return std::nullopt;
            }
            timeout = static_cast<int>(left);
        }
        SDL_Event e;
        int got = timeout == 0 ? SDL_PollEvent(&e) : SDL_WaitEventTimeout(&e, timeout);
        if (!got) {
            if (!wait) return std::nullopt;
            continue; // the deadline and termination checks above decide
        }
        if (auto ev = impl_->translate(e)) return ev;
        if (!wait) {
            // Something the program does not see: look for more without waiting.
            while (SDL_PollEvent(&e))
                if (auto more = impl_->translate(e)) return more;
            return std::nullopt;
        }
    }
}

extern "C" ui::Backend *kartino_open_sdl_backend(const SdlConfig &config) {
    return new SdlBackend(config);
}

} // namespace kartino::backend
