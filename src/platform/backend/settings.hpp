#pragma once
// How the program is driven from outside, read from the environment:
//
//   KARTINO_BACKEND  sdl | headless (default: sdl when a display is available, else headless)
//   KARTINO_SCREEN   WIDTHxHEIGHT (headless default 1024x768; with sdl a window of that size)
//   KARTINO_DPI      logical pixels per inch (default: the display's; 96 headless)
//   KARTINO_SCRIPT   the headless input script
//   KARTINO_TRACE    the trace file both backends append to
//   KARTINO_CLOCK    hh:mm:ss start of the headless fake clock (default: the time of day at start)
//   KARTINO_KEYBOARD_POINTER  1: the arrow keys point on the map and Space answers (0 or unset: off)
//   KARTINO_RECORD   a file that gets every input of the session as a headless script
//   KARTINO_SHOTS    a folder for the headless backend's pictures of every answer and the summary
//   KARTINO_DRIVE_<LETTER>  the folder a drive letter of the data stands for
//   KARTINO_OEM_CODEPAGE    850 (default) or 437: the DOS code page of the data files
//
// A headless script that starts with a recording's first line ("# clock 10:00:00 screen
// 1024x768") gives the clock and the screen where KARTINO_CLOCK and KARTINO_SCREEN do not.
//
// and the backend they choose. This is the one place the program reads its environment; main()
// hands the values on.
#include "platform/basic/clock.hpp"
#include "platform/text/codepage.hpp"
#include "platform/ui/backend.hpp"

#include <functional>
#include <map>
#include <memory>
#include <optional>
#include <stdexcept>
#include <string>
#include <string_view>

namespace kartino::backend {

class SettingsError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

struct Settings {
    std::string backend;       // "sdl" or "headless"
    bool backendGiven = false; // KARTINO_BACKEND was set (else the choice was made by the display)
    std::optional<ui::ScreenSize> screen;
    std::optional<int> dpi;
    std::string script;
    std::string trace;
    std::optional<basic::CivilTime> clock; // only the time of day is set
    bool keyboardPointer = false;
    std::string record;
    std::string shots;
    std::map<char, std::string> drives; // by upper-case letter; only drives given a folder
    text::CodePage oempage = text::CodePage::Oem850;

    // The folder drive `letter` (either case) stands for, if one is given.
    std::optional<std::string> drive(char letter) const;
};

// `getenv` looks a variable up (nullptr when unset); the default reads the process environment.
// Throws SettingsError on a malformed value.
Settings readSettings(const std::function<const char *(const char *)> &getenv = {});

std::optional<ui::ScreenSize> parseScreen(std::string_view text);      // "1024x768"
std::optional<basic::CivilTime> parseClockTime(std::string_view text); // "08:30:00"

// The backend the settings ask for. A default choice of sdl that cannot open the display falls
// back to headless; an explicit one throws. Throws on an unreadable or malformed script. With
// `record` set the backend is wrapped in the recorder (a file that cannot be created is reported
// on stderr and the session runs unrecorded).
std::unique_ptr<ui::Backend> createBackend(const Settings &settings);

// A headless backend without a script, for when the chosen backend cannot start: it shows
// nothing and closes the window at once, so the session still ends with its cancel record.
// Keeps the settings' trace and screen.
std::unique_ptr<ui::Backend> createSilentBackend(const Settings &settings);

} // namespace kartino::backend
