#include "demo_form.hpp"

#include <algorithm>

namespace kartino::demo {

DemoForm::DemoForm(ui::Application &app) : Form(app, "FormUiDemo"), figure_(gfx::rgb(0, 0, 255)) {}

ui::ScreenPoint DemoForm::figureCentre() const {
    return {ScaleWidth() / 2, ScaleHeight() / 2};
}

void DemoForm::Form_Load() {
    setBackColor(gfx::rgb(255, 255, 255));
    setFont({"Arial", 12});
    LabelTitel.Move(10, 10, 220, 30);
    LabelTitel.setFontSize(14);
    LabelTitel.setBackStyle(ui::Label::Transparent);
    LabelTitel.setCaption("Kartino");
    CommandWeiter.Move(10, ScaleHeight() - 50, 120, 32);
    CommandWeiter.setCaption("Weiter");
    CommandWeiter.Click = [this] { CommandWeiter_Click(); };
}

void DemoForm::Form_Paint() {
    ui::ScreenPoint c = figureCentre();
    double r = std::min(ScaleWidth(), ScaleHeight()) / 6.0;
    setFillStyle(0);
    setFillColor(figure_);
    Circle({double(c.x), double(c.y)}, r, gfx::rgb(0, 0, 0));
    setFillStyle(1);
    Line({{c.x - 2 * r, c.y - 2 * r}}, {c.x + 2 * r, c.y + 2 * r}, gfx::rgb(0, 0, 0), gfx::BoxMode::Box);
}

void DemoForm::CommandWeiter_Click() {
    figure_ = gfx::rgb(0, 160, 0);
    LabelTitel.setCaption("geklickt");
    app().sndPlaySound("click.wav");
    Refresh();
}

void DemoForm::Form_KeyDown(int &KeyCode, int Shift) {
    if (KeyCode == 27) app().end(0);
    LabelTitel.setCaption("Taste " + std::to_string(KeyCode));
    app().sndPlaySound("key" + std::to_string(KeyCode) + ".wav");
}

} // namespace kartino::demo
