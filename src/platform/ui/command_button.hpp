#pragma once
// A command button: a raised 3-D face in the system colours with its caption centred, sunken
// while the mouse holds it down, with a dotted focus rectangle while it has the focus. Only
// the mouse clicks it: keys always go to the form's own KeyDown/KeyUp handlers, and Enter or
// Space on a focused button do nothing by themselves.
#include "platform/ui/control.hpp"

namespace kartino::ui {

class CommandButton : public Control {
  public:
    CommandButton(Form &parent, std::string name);

    bool windowed() const override { return true; }
    bool canFocus() const override { return true; }
    void pressed(bool down) override;
    void SetFocus();

  protected:
    void render(gfx::Surface &look, std::vector<std::uint8_t> &mask) const override;

  private:
    bool down_ = false;
};

} // namespace kartino::ui
