#pragma once
// The message box the program shows for errors: a title, lines of text and an OK button.
// The window backend shows a real box and waits for OK; the headless backend writes a trace line.
#include <string>
#include <vector>

namespace kartino::ui {

class MessageBox {
  public:
    virtual ~MessageBox() = default;
    // Shows the box with an OK button; returns when it has been dismissed.
    virtual void show(const std::string &title, const std::vector<std::string> &lines) = 0;
};

} // namespace kartino::ui
