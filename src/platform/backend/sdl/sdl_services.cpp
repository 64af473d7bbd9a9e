#include "platform/backend/sdl/sdl_services.hpp"

#include "platform/backend/sdl/child_processes.hpp"
#include "platform/basic/termination.hpp"
#include "platform/text/codepage.hpp"

#include <atomic>
#include <chrono>
#include <cstdio>
#include <cstring>
#include <thread>
#include <vector>

namespace kartino::backend {

SdlSound::~SdlSound() {
    if (device_) SDL_CloseAudioDevice(device_);
    if (tried_) SDL_QuitSubSystem(SDL_INIT_AUDIO);
}

bool SdlSound::openDevice(const SDL_AudioSpec &want) {
    if (device_) return true;
    if (tried_) return false;
    tried_ = true;
    if (SDL_InitSubSystem(SDL_INIT_AUDIO) != 0) return false;
    device_ = SDL_OpenAudioDevice(nullptr, 0, &want, &spec_, SDL_AUDIO_ALLOW_ANY_CHANGE);
    return device_ != 0;
}

void SdlSound::play(const std::string &name, const std::string &path) {
    trace_.line("sound " + text::ansiToUtf8(name));
    if (device_) SDL_ClearQueuedAudio(device_); // a new sound cuts the previous one, found or not
    SDL_AudioSpec wav{};
    Uint8 *data = nullptr;
    Uint32 length = 0;
    if (!SDL_LoadWAV(path.c_str(), &wav, &data, &length)) return;
    if (openDevice(wav)) {
        SDL_AudioCVT cvt;
        int built = SDL_BuildAudioCVT(&cvt, wav.format, wav.channels, wav.freq, spec_.format, spec_.channels,
                                      spec_.freq);
        if (built >= 0) {
            std::vector<Uint8> buffer(static_cast<std::size_t>(length) * (built ? cvt.len_mult : 1));
            std::memcpy(buffer.data(), data, length);
            cvt.buf = buffer.data();
            cvt.len = static_cast<int>(length);
            if (built == 0 || SDL_ConvertAudio(&cvt) == 0) {
                Uint32 bytes = built ? static_cast<Uint32>(cvt.len_cvt) : length;
                SDL_ClearQueuedAudio(device_);
                SDL_QueueAudio(device_, buffer.data(), bytes);
                SDL_PauseAudioDevice(device_, 0);
            }
        }
    }
    SDL_FreeWAV(data);
}

// The box waits for its OK on a thread of its own while this one looks for a termination
// request every 25 ms, as the event loop does: a session ended from outside does not wait for
// someone to press OK. The box, shown by SDL in a process of its own, is then ended; the report
// goes to the standard error instead, and the caller's way out writes the record.
void SdlMessageBox::show(const std::string &title, const std::vector<std::string> &lines) {
    trace_.line(ui::msgboxTraceLine(title, lines));
    std::string text;
    for (const std::string &l : lines)
        text += (text.empty() ? "" : "\n") + text::ansiToUtf8(l);
    std::string utf8Title = text::ansiToUtf8(title);
    int shown = -1;
    if (!basic::terminationRequested()) {
        std::atomic<bool> done = false;
        std::thread box([&] {
            shown = SDL_ShowSimpleMessageBox(SDL_MESSAGEBOX_INFORMATION, utf8Title.c_str(), text.c_str(),
                                             window_);
            done = true;
        });
        bool ended = false;
        while (!done) {
            if (!ended && basic::terminationRequested()) {
                endchildprocesses();
                ended = true;
            }
            std::this_thread::sleep_for(std::chrono::milliseconds(25));
        }
        box.join();
    }
    if (shown != 0) std::fprintf(stderr, "%s\n%s\n", utf8Title.c_str(), text.c_str());
}

} // namespace kartino::backend
