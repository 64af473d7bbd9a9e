#pragma once
// One line per observable side effect (a sound, a message box, the cursor shown or hidden, a
// form shown or hidden, the exit code), appended to the file the backend settings name
// (KARTINO_TRACE). Without a file the trace is silent.
//
//   ui::Trace trace(settings.trace);
//   trace.line("form Form1 shown");
//
// Every line is flushed at once, so the record survives a process that dies afterwards.
#include <cstdio>
#include <string>
#include <string_view>
#include <vector>

namespace kartino::ui {

class Trace {
  public:
    Trace() = default;
    explicit Trace(const std::string &path); // appends; a file that cannot be opened leaves it silent
    ~Trace();
    Trace(const Trace &) = delete;
    Trace &operator=(const Trace &) = delete;
    Trace(Trace &&other) noexcept;
    Trace &operator=(Trace &&other) noexcept;

    void line(std::string_view text);
    bool enabled() const { return file_ != nullptr; }

  private:
    std::FILE *file_ = nullptr;
};

// The trace line of a message box: "msgbox TITLE|LINE|LINE…". The texts are held in the ANSI
// code page 1252 and written as UTF-8, like every text of the trace.
std::string msgboxTraceLine(const std::string &title, const std::vector<std::string> &lines);

} // namespace kartino::ui
