#pragma once
// The end of the program as an unwinding signal: `Application::end(code)` and the program's exit
// routines throw SessionEnd; `Application::run` catches it, writes the trace line "exit CODE" and
// returns the code, so files are closed on the way out and tests observe the end without the test
// process dying.
//
// It deliberately does not derive from std::exception: handlers that catch run-time errors
// with `catch (const std::exception &)` must not swallow the end of the program.
namespace kartino::ui {

struct SessionEnd {
    int exitCode = 0;
};

} // namespace kartino::ui
