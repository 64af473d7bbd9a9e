#pragma once
// The exercise form. For now it stands for the form the run of tasks will take place on: it
// composes the map's working palette, shows its background and the close box, and answers the
// abort key, the close box and the window's close with the cancel record.
#include "platform/ui/form.hpp"
#include "platform/ui/label.hpp"
#include "session/session.hpp"

namespace kartino::exercise {

class FormKartino : public ui::Form {
  public:
    FormKartino(ui::Application &app, session::Session &session);

    ui::Label LabelCancel{*this, "LabelCancel"};

    void Form_Load() override;
    void Form_Paint() override;
    void Form_KeyDown(int &KeyCode, int Shift) override;
    void LabelCancel_Click();

  private:
    session::Session &s_;
};

} // namespace kartino::exercise
