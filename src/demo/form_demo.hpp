#pragma once
// The demonstration form. Until the demonstration is built it closes as soon as it is active,
// so the offer's yes and the demonstration-only mode go on as they will after it.
#include "platform/ui/form.hpp"
#include "session/session.hpp"

namespace kartino::demo {

class FormDemo : public ui::Form {
  public:
    FormDemo(ui::Application &app, session::Session &session);

    void Form_Activate() override;

  private:
    [[maybe_unused]] session::Session &s_; // what the demonstration will show
};

} // namespace kartino::demo
