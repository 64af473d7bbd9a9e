#pragma once
// Message box and sound of the headless backend: each is one trace line and nothing else
// ("msgbox TITLE|LINE|LINE…", "sound FILE"); the message box never waits.
#include "platform/ui/backend.hpp"

namespace kartino::backend {

class TraceMessageBox final : public ui::MessageBox {
  public:
    explicit TraceMessageBox(ui::Trace &trace) : trace_(trace) {}
    void show(const std::string &title, const std::vector<std::string> &lines) override;

  private:
    ui::Trace &trace_;
};

class TraceSound final : public ui::Sound {
  public:
    explicit TraceSound(ui::Trace &trace) : trace_(trace) {}
    void play(const std::string &name, const std::string &path) override;

  private:
    ui::Trace &trace_;
};

} // namespace kartino::backend
