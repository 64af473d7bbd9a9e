#pragma once
// The headless input script: one command a line, executed in order; "#" starts a comment.
// The lines between two waits happen at the same moment; only a program that waits for time
// (for input, a timer, a pause) moves through a wait, never DoEvents.
//
//   wait MS                 advance the fake clock by MS milliseconds
//   move X Y                mouse move
//   click X Y               mouse down and up at (X, Y)
//   down X Y / up X Y       mouse down / up alone
//   key CODE [SHIFT]        key down and up (legacy key code; shift bits 1 Shift, 2 Ctrl, 4 Alt)
//   keydown CODE [SHIFT] / keyup CODE [SHIFT]
//   close                   the window's close button
//   screenshot FILE.png     the screen as the trainee sees it
//
// Coordinates are screen pixels. Parsing reports the first twenty bad lines with their line
// numbers and counts the others. A script file may hold at most kMaxScriptBytes.
#include <stdexcept>
#include <string>
#include <string_view>
#include <vector>

namespace kartino::backend {

struct ScriptCommand {
    enum class Op { Wait, Move, Click, Down, Up, Key, KeyDown, KeyUp, Close, Screenshot };
    Op op = Op::Wait;
    int a = 0, b = 0; // wait: ms; mouse: x, y; keys: code, shift
    std::string file; // screenshot
    int line = 0;     // 1-based line in the script
    bool operator==(const ScriptCommand &) const = default;
};

class ScriptError : public std::runtime_error {
  public:
    using std::runtime_error::runtime_error;
};

inline constexpr std::size_t kMaxScriptBytes = std::size_t{16} << 20;

// Throws ScriptError naming the bad lines ("script line 3: unknown command 'klick'").
std::vector<ScriptCommand> parseScript(std::string_view text);
std::vector<ScriptCommand> readScriptFile(const std::string &path);
// The text of a script file (at most kMaxScriptBytes); throws ScriptError.
std::string readScriptText(const std::string &path);

} // namespace kartino::backend
