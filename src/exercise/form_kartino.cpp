#include "exercise/form_kartino.hpp"

#include "common/flags.hpp"
#include "common/form_helpers.hpp"
#include "common/keys.hpp"
#include "common/palette.hpp"
#include "common/palette_composer.hpp"
#include "common/scale_control.hpp"
#include "session/result_records.hpp"

namespace kartino::exercise {

FormKartino::FormKartino(ui::Application &app, session::Session &session) : Form(app, "FormKartino"), s_(session) {
    common::placeindesign(LabelCancel, {619, 4, 16, 14});
    LabelCancel.setBackStyle(ui::Label::Transparent);
    LabelCancel.setVisible(false);
    LabelCancel.Click = [this] { LabelCancel_Click(); };
}

void FormKartino::Form_Load() {
    common::scalecontrol(s_.sh, LabelCancel);
    common::composepalette(s_.sh, s_.vt.headerline);
    setForeColor(common::palcolor(s_.sh, 1));
    LabelCancel.setVisible(common::fnbitset(s_.settings.hostflags, 11) != 0);
    setBackColor(common::palcolor(s_.sh, 0));
}

void FormKartino::Form_Paint() {
    if (LabelCancel.Visible()) common::drawcancelbox(*this, LabelCancel);
}

void FormKartino::Form_KeyDown(int &KeyCode, int Shift) {
    if (common::fnabortkey(s_.sh.abortkey, KeyCode, Shift)) session::endsession(s_);
}

void FormKartino::LabelCancel_Click() { session::endsession(s_); }

} // namespace kartino::exercise
