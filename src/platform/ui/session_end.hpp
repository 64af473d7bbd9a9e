#pragma once
// The end of the program as an unwinding signal: `Application::end(code)` writes the trace line
// "exit CODE" and throws SessionEnd; `Application::run` catches it and returns the code, so files
// are closed on the way out and tests observe the end without the test process dying.
//
// It deliberately does not derive from std::exception: handlers that catch run-time errors
// with `catch (const std::exception &)` must not swallow the end of the program.
namespace kartino::ui {

struct SessionEnd {
    int exitCode = 0;
};

} // namespace kartino::ui
