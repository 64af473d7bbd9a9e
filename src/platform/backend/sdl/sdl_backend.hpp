#pragma once
// The window backend on SDL2: a full-screen borderless window at the display's size (or a
// window of the requested size), the real mouse cursor, keys mapped to the legacy key codes,
// WAV sound through SDL audio (no audio device means silence), SDL's message box, and the
// window's close button delivered as a close event. Only the changed rectangles are copied to
// the window. No SDL type appears in this header; SDL is linked into the window module only.
#include "platform/ui/backend.hpp"

#include <memory>
#include <optional>
#include <string>

namespace kartino::backend {

struct SdlConfig {
    std::optional<ui::ScreenSize> window; // a window of this size instead of full screen
    std::optional<int> dpi;               // instead of the display's
    std::string tracePath;                // "" = no trace
    std::string title = "Taliform";       // the start form's caption, the suite's name
};

class SdlBackend final : public ui::Backend {
  public:
    // Throws std::runtime_error when no display can be opened.
    explicit SdlBackend(SdlConfig config);
    ~SdlBackend() override;
    SdlBackend(const SdlBackend &) = delete;
    SdlBackend &operator=(const SdlBackend &) = delete;

    ui::ScreenSize screenSize() const override;
    int dpi() const override;
    basic::Clock &clock() override;
    ui::Trace &trace() override;
    ui::MessageBox &messageBox() override;
    ui::Sound &sound() override;
    void setCursorVisible(bool visible) override;
    ui::ScreenPoint cursorPos() const override;
    void setCursorPos(ui::ScreenPoint p) override;
    gfx::Surface &screen() override;
    void present(const std::vector<gfx::Rect> &damage) override;
    std::optional<ui::InputEvent> nextEvent(std::optional<std::int64_t> deadlineMs, bool wait) override;

    struct Impl;

  private:
    std::unique_ptr<Impl> impl_;
};

// The window module's one entry point, looked up by its unmangled name: a new SdlBackend, which
// the caller owns. Throws as the constructor does.
extern "C" ui::Backend *kartino_open_sdl_backend(const SdlConfig &config);
using OpenSdlBackend = ui::Backend *(const SdlConfig &config);
inline constexpr const char *kOpenSdlBackend = "kartino_open_sdl_backend";

} // namespace kartino::backend
