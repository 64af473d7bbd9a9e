#include "demo/form_demo.hpp"

namespace kartino::demo {

FormDemo::FormDemo(ui::Application &app, session::Session &session) : Form(app, "FormDemo"), s_(session) {}

void FormDemo::Form_Activate() { Unload(); }

} // namespace kartino::demo
