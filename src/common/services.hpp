#pragma once
// What the shared procedures need of the platform (files, clock, random numbers, the message
// box, event processing) and the state of the shared module that they read and set. The
// session object owns one of each; tests build their own.
#include "common/design_screen.hpp"
#include "common/keys.hpp"
#include "platform/basic/clock.hpp"
#include "platform/basic/numbered_files.hpp"
#include "platform/basic/paths.hpp"
#include "platform/basic/random.hpp"
#include "platform/text/codepage.hpp"
#include "platform/ui/messagebox.hpp"

#include <array>
#include <cstddef>
#include <functional>
#include <stdexcept>
#include <string>

namespace kartino::common {

struct Services {
    basic::PathResolver &paths;
    basic::FileTable &files;
    basic::Clock &clock;
    basic::Random &rnd;
    ui::MessageBox &msgbox;
    std::function<void()> doEvents; // lets pending window events run
    // Lets window events run until the clock's monotonicMs() reaches the given time, waiting
    // (not spinning) while nothing happens.
    std::function<void(std::int64_t)> waitUntil;
    // Writes the cancel record and ends the process by unwinding; it does not return. Readers of
    // data files call it after errhandler has reported their failure.
    std::function<void()> endsession;
    std::string exename = "kartino"; // the program's name without extension
    text::CodePage oempage = text::CodePage::Oem850;
};

struct RGBTriple {
    std::uint8_t red = 0, green = 0, blue = 0;
    bool operator==(const RGBTriple &) const = default;
};

// State of the shared module (design screen, colours, keys, paths and the file being read).
struct Shared {
    ScreenMetrics screen;
    AbortKey abortkey;
    std::string keylist;                       // comma-separated key codes
    std::array<std::string, 16> settingspaths; // folders from the settings file (entries below)
    std::string currentfile;                   // the data file being opened, for error reports
    std::string linebuffer;                    // shared buffer of the palette and header readers
    bool isnt = true;
    std::array<RGBTriple, 65> pal64{};   // the 64-colour table (entry 64 only from a switch)
    std::array<RGBTriple, 16> pal16{};   // built-in defaults: never filled, all black
    std::array<RGBTriple, 17> palette{}; // the working palette read by palcolor
    std::int16_t charsetnumber = 0;
    std::int32_t savedcursorcount = 0;
};

// Entries of `Shared::settingspaths` that the program uses.
inline constexpr std::size_t kDataFolder = 0;    // palette, charset and the palette carrier bitmap
inline constexpr std::size_t kExerciseRoot = 1;  // first part of the exercise folder
inline constexpr std::size_t kMapFolder = 5;     // base of map files named without a folder
inline constexpr std::size_t kResultFolder = 9;  // R.DAT, FB.DAT, X, XX, instru and errwin.dat
inline constexpr std::size_t kLanguageName = 15; // the exercise folder's second part and the
                                                 // key of the charset file

} // namespace kartino::common

namespace kartino::common {

// Ends the session through the cancel path after a reported failure.
[[noreturn]] inline void abortsession(Services &services) {
    if (services.endsession) services.endsession();
    throw std::logic_error("endsession returned");
}

} // namespace kartino::common
