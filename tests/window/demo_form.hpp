#pragma once
// The demonstration form of the platform layer: a label, a button and a drawn figure. A click
// on the button turns the figure green, changes the label and plays "click.wav"; a key shows
// its code in the label and plays "keyCODE.wav"; Esc ends with 0, the close box with 1.
// The sounds need not exist: their trace lines show that the program reacted.
#include "platform/ui/application.hpp"
#include "platform/ui/command_button.hpp"
#include "platform/ui/form.hpp"
#include "platform/ui/label.hpp"

namespace kartino::demo {

class DemoForm : public ui::Form {
  public:
    explicit DemoForm(ui::Application &app);

    ui::Label LabelTitel{*this, "LabelTitel"};
    ui::CommandButton CommandWeiter{*this, "CommandWeiter"};

    void Form_Load() override;
    void Form_Paint() override;
    void Form_KeyDown(int &KeyCode, int Shift) override;
    void CommandWeiter_Click();

    gfx::Colour figureColour() const { return figure_; }
    ui::ScreenPoint figureCentre() const;

  private:
    gfx::Colour figure_;
};

} // namespace kartino::demo
