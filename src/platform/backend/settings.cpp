#include "platform/backend/settings.hpp"

#include "platform/backend/headless/headless_backend.hpp"
#include "platform/backend/recording_backend.hpp"
#include "platform/backend/window_module.hpp"

#include <charconv>
#include <cstdio>
#include <cstdlib>

namespace kartino::backend {

namespace {

bool wholeNumber(std::string_view s, int &v) {
    if (s.empty()) return false;
    auto [end, ec] = std::from_chars(s.data(), s.data() + s.size(), v);
    return ec == std::errc() && end == s.data() + s.size();
}

std::string value(const std::function<const char *(const char *)> &getenv, const char *name) {
    const char *v = getenv ? getenv(name) : std::getenv(name);
    return v ? std::string(v) : std::string();
}

} // namespace

std::optional<ui::ScreenSize> parseScreen(std::string_view text) {
    std::size_t x = text.find_first_of("xX");
    ui::ScreenSize s;
    if (x == std::string_view::npos || !wholeNumber(text.substr(0, x), s.width) ||
        !wholeNumber(text.substr(x + 1), s.height) || s.width < 1 || s.height < 1 || s.width > 16384 ||
        s.height > 16384)
        return std::nullopt;
    return s;
}

std::optional<basic::CivilTime> parseClockTime(std::string_view text) {
    basic::CivilTime t;
    if (text.size() != 8 || text[2] != ':' || text[5] != ':' || !wholeNumber(text.substr(0, 2), t.hour) ||
        !wholeNumber(text.substr(3, 2), t.minute) || !wholeNumber(text.substr(6, 2), t.second) ||
        t.hour > 23 || t.minute > 59 || t.second > 59 || t.hour < 0 || t.minute < 0 || t.second < 0)
        return std::nullopt;
    return t;
}

Settings readSettings(const std::function<const char *(const char *)> &getenv) {
    Settings s;
    s.backend = value(getenv, "KARTINO_BACKEND");
    s.backendGiven = !s.backend.empty();
    if (!s.backend.empty() && s.backend != "sdl" && s.backend != "headless")
        throw SettingsError("KARTINO_BACKEND must be sdl or headless, not '" + s.backend + "'");
    if (std::string screen = value(getenv, "KARTINO_SCREEN"); !screen.empty()) {
        s.screen = parseScreen(screen);
        if (!s.screen) throw SettingsError("KARTINO_SCREEN must be WIDTHxHEIGHT, not '" + screen + "'");
    }
    if (std::string dpi = value(getenv, "KARTINO_DPI"); !dpi.empty()) {
        int v = 0;
        if (!wholeNumber(dpi, v) || v < 24 || v > 960)
            throw SettingsError("KARTINO_DPI must be a whole number of pixels per inch, not '" + dpi + "'");
        s.dpi = v;
    }
    if (std::string clock = value(getenv, "KARTINO_CLOCK"); !clock.empty()) {
        s.clock = parseClockTime(clock);
        if (!s.clock) throw SettingsError("KARTINO_CLOCK must be hh:mm:ss, not '" + clock + "'");
    }
    if (std::string pointer = value(getenv, "KARTINO_KEYBOARD_POINTER"); !pointer.empty()) {
        if (pointer != "0" && pointer != "1")
            throw SettingsError("KARTINO_KEYBOARD_POINTER must be 1 (on) or 0 (off), not '" + pointer + "'");
        s.keyboardPointer = pointer == "1";
    }
    s.script = value(getenv, "KARTINO_SCRIPT");
    s.trace = value(getenv, "KARTINO_TRACE");
    s.record = value(getenv, "KARTINO_RECORD");
    s.shots = value(getenv, "KARTINO_SHOTS");
    for (char letter = 'A'; letter <= 'Z'; ++letter) {
        std::string folder = value(getenv, ("KARTINO_DRIVE_" + std::string(1, letter)).c_str());
        if (!folder.empty()) s.drives[letter] = folder;
    }
    if (value(getenv, "KARTINO_OEM_CODEPAGE") == "437") s.oempage = text::CodePage::Oem437;
    if (s.backend.empty()) {
        bool display = !value(getenv, "DISPLAY").empty() || !value(getenv, "WAYLAND_DISPLAY").empty();
        s.backend = display ? "sdl" : "headless";
    }
    return s;
}

std::optional<std::string> Settings::drive(char letter) const {
    auto found = drives.find(letter >= 'a' && letter <= 'z' ? static_cast<char>(letter - 32) : letter);
    return found == drives.end() ? std::nullopt : std::optional<std::string>(found->second);
}

namespace {

// A recorded session's script gives its clock and screen where the environment does not.
std::unique_ptr<ui::Backend> headless(const Settings &s) {
    HeadlessConfig c;
    RecordedStart recorded;
    if (!s.script.empty()) {
        const std::string text = readScriptText(s.script);
        c.script = parseScript(text);
        recorded = readRecordingHeader(text);
    }
    if (std::optional<ui::ScreenSize> screen = s.screen ? s.screen : recorded.screen) c.screen = *screen;
    c.dpi = s.dpi.value_or(96);
    c.tracePath = s.trace;
    c.shotsDir = s.shots;
    basic::CivilTime today = basic::RealClock().now();
    today.millisecond = 0;
    if (std::optional<basic::CivilTime> clock = s.clock ? s.clock : recorded.clock)
        today.hour = clock->hour, today.minute = clock->minute, today.second = clock->second;
    c.clockStart = today;
    return std::make_unique<HeadlessBackend>(std::move(c));
}

std::unique_ptr<ui::Backend> recorded(std::unique_ptr<ui::Backend> backend, const Settings &s,
                                      bool realTime) {
    return s.record.empty() ? std::move(backend) : recordInto(std::move(backend), s.record, realTime);
}

} // namespace

std::unique_ptr<ui::Backend> createBackend(const Settings &s) {
    if (s.backend == "headless") return recorded(headless(s), s, false);
    SdlConfig c;
    c.window = s.screen;
    c.dpi = s.dpi;
    c.tracePath = s.trace;
    std::unique_ptr<ui::Backend> window;
    try {
        window = openWindowBackend(c);
    } catch (const std::runtime_error &e) {
        if (s.backendGiven) throw;
        std::fprintf(stderr, "kartino: %s; running headless\n", e.what());
        return recorded(headless(s), s, false);
    }
    return recorded(std::move(window), s, true);
}

std::unique_ptr<ui::Backend> createSilentBackend(const Settings &settings) {
    Settings s = settings;
    s.script.clear();
    s.shots.clear();
    return headless(s);
}

} // namespace kartino::backend
