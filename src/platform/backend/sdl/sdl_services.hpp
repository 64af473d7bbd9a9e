#pragma once
// Sound and message box of the SDL backend (internal to it). Both also write their trace line.
#include "platform/ui/backend.hpp"

#include <SDL.h>

namespace kartino::backend {

// WAV files through SDL audio, asynchronous; a new sound cuts the one playing. When no audio
// device can be opened (as under Xvfb) every sound is silence; a missing file is silence too.
class SdlSound final : public ui::Sound {
  public:
    explicit SdlSound(ui::Trace &trace) : trace_(trace) {}
    ~SdlSound() override;
    void play(const std::string &name, const std::string &path) override;

  private:
    bool openDevice(const SDL_AudioSpec &want);

    ui::Trace &trace_;
    bool tried_ = false;
    SDL_AudioDeviceID device_ = 0;
    SDL_AudioSpec spec_{};
};

class SdlMessageBox final : public ui::MessageBox {
  public:
    SdlMessageBox(ui::Trace &trace, SDL_Window *&window) : trace_(trace), window_(window) {}
    void show(const std::string &title, const std::vector<std::string> &lines) override;

  private:
    ui::Trace &trace_;
    SDL_Window *&window_;
};

} // namespace kartino::backend
