// The start screen: the variant row, the offer of a demonstration, the go-on label, their keys
// and the painting of the painted buttons and the instruction screen.
#include "common/design_screen.hpp"
#include "common/errors.hpp"
#include "common/fields.hpp"
#include "common/flags.hpp"
#include "common/form_helpers.hpp"
#include "common/keys.hpp"
#include "common/scale_control.hpp"
#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"
#include "platform/ui/application.hpp"
#include "session/exercise_header.hpp"
#include "session/form1.hpp"
#include "session/instruction_screen.hpp"
#include "session/result_records.hpp"

namespace kartino::session {

void Form1::offersetup() {
    Settings &st = s_.settings;
    LabelOfferQuestion.setCaption(s_.texts.text[kOfferQuestionText]);
    // On one line, however long the question: the label grows to the left of the yes button.
    common::fitcaption(LabelOfferQuestion, LabelOfferQuestion.Caption(),
                       LabelOfferQuestion.Left() + LabelOfferQuestion.Width());
    st.offeraccepted = false;
    st.offeractive = st.timelimitoffer;
    if (st.timelimitoffer) {
        s_.results.offertime = st.timelimit;
        s_.results.offeranswer = std::int16_t{0};
        s_.results.statusflags = basic::checkedInteger(s_.results.statusflags | common::fnbits("b100000"));
    }
}

void Form1::showVariantLabels() {
    const common::ScreenMetrics &m = s_.shared.screen;
    const int shown = s_.settings.variantshown;
    LabelVariantQuestion.setVisible(true);
    const double remembered = basic::CInt(FontSize());
    setFontSize(common::ctlscaley(m, 10));

    double rowwidth = 0;
    for (int i = 1; i <= shown; ++i) {
        ui::Label &label = varLabel(i);
        const double width = TextWidth(s_.settings.variantnames[static_cast<std::size_t>(i)]);
        label.setBackStyle(ui::Label::Transparent);
        label.setCaption("");
        label.Move(label.Left(), label.Top(), common::topixels(width + common::scalex(m, 10)),
                   common::topixels(common::scaley(m, 20)));
        rowwidth += width + common::scalex(m, 20);
    }
    if (rowwidth < common::scalex(m, 550)) {
        variantrow(1, shown, 400);
    } else {
        const int first = shown / 2 + shown % 2;
        variantrow(1, first, 400);
        variantrow(first + 1, shown, 430);
    }
    for (int i = 1; i <= shown; ++i) {
        varLabel(i).setVisible(true);
        varLabel(i).setEnabled(true);
    }
    setFontSize(remembered);
}

// Lays out labels from..to side by side at the design height, centred on the design area by
// the width of their names. The row is centred about the middle of the area on the screen, so
// that it stays under the question when the area is smaller than the screen.
void Form1::variantrow(int from, int to, double designtop) {
    const common::ScreenMetrics &m = s_.shared.screen;
    double rowwidth = 0;
    for (int i = from; i <= to; ++i)
        rowwidth += TextWidth(s_.settings.variantnames[static_cast<std::size_t>(i)]) + common::scalex(m, 20);
    const int top = common::topixels(common::screeny(m, designtop));
    int left = common::topixels(common::screenx(m, 320) - rowwidth / 2);
    for (int i = from; i <= to; ++i) {
        ui::Label &label = varLabel(i);
        label.Move(left, top, label.Width(), label.Height());
        left = common::topixels(label.Left() + label.Width() + common::scalex(m, 10));
    }
}

void Form1::varSelected(int index) {
    for (int i = 1; i <= s_.settings.variantshown; ++i)
        varLabel(i).setVisible(false);
    LabelVariantAnswer.setCaption(s_.settings.variantnames[static_cast<std::size_t>(index)]);
    LabelVariantAnswer.setVisible(true);
}

void Form1::varLabel_click(int index) {
    Settings &st = s_.settings;
    varSelected(index);
    s_.results.variantletter = std::string(1, static_cast<char>(64 + index));
    const std::string name = common::trim(st.variantnames[static_cast<std::size_t>(index)]);
    st.mapfile = name + ".VEC";
    st.listfile = name + ".LST";
    if (st.offeractive) {
        for (ui::Label *l : {&LabelJa, &LabelNein, &LabelOfferQuestion})
            l->setVisible(true);
    } else {
        leavetoexercise();
    }
}

void Form1::offerUsed() {
    Settings &st = s_.settings;
    st.offeraccepted = true;
    s_.results.offerflags = basic::checkedInteger(s_.results.offerflags | common::fnbits("b100000"));
    protocolline(s_, "5", s_.texts.text[kYesKey], -1);
    readheader();
    hidebehind();
    st.demostart = s_.services.clock.timer();
    if (next_.showDemo) next_.showDemo();
    readheader();
    gotoexercise();
}

void Form1::offerDenied() {
    s_.settings.offeraccepted = false;
    protocolline(s_, "5", s_.texts.text[kNoKey], -1);
    leavetoexercise();
}

void Form1::LabelWeiter_Click() {
    leavetoexercise();
}

void Form1::LabelCancel_Click() {
    endsession(s_);
}

namespace {

// The key code as the upper-cased character Chr$ gives; codes beyond a character stay apart.
std::string keycharacter(int key) {
    if (key < 1 || key > 255) return {};
    return common::ucase(std::string(1, static_cast<char>(key)));
}

} // namespace

void Form1::Form_KeyDown(int &KeyCode, int Shift) {
    if (common::fnabortkey(s_.shared.abortkey, KeyCode, Shift)) endsession(s_);
    if (varLabel(1).Visible()) {
        // Only the initials of the variants on the screen select; the rest have no label.
        const std::string key = keycharacter(KeyCode);
        const std::string initials =
            s_.settings.variantinitials.substr(0, static_cast<std::size_t>(s_.settings.variantshown));
        const std::size_t p = key.empty() ? std::string::npos : initials.find(key);
        if (p != std::string::npos)
            varLabel_click(static_cast<int>(p) + 1);
        else
            app().sndPlaySound(s_.settings.warnsound);
    } else if (LabelJa.Visible()) {
        if (common::iskeyof(KeyCode, s_.texts.text[kYesKey]))
            offerUsed();
        else if (common::iskeyof(KeyCode, s_.texts.text[kNoKey]))
            offerDenied();
    }
    if (LabelWeiter.Visible() && common::isgoonkey(s_.shared.keylist, KeyCode)) LabelWeiter_Click();
}

void Form1::Form_Paint() {
    if (LabelCancel.Visible()) common::drawcancelbox(*this, LabelCancel);
    if (LabelJa.Visible()) drawlabelbutton(s_, LabelJa, s_.texts.text[kYesText], 12, 0);
    if (LabelNein.Visible()) drawlabelbutton(s_, LabelNein, s_.texts.text[kNoText], 12, 0);
    for (int i = 1; i <= s_.settings.variantshown; ++i)
        if (varLabel(i).Visible())
            drawlabelbutton(s_, varLabel(i), s_.settings.variantnames[static_cast<std::size_t>(i)], 10, 0);
    drawinstructions(s_, *this);
}

void Form1::readheader() {
    try {
        readexerciseheader(s_);
    } catch (const basic::RuntimeError &e) {
        // The map files are prepared with a parameter block; one without it ends the session
        // through the error path instead of leaving the trainee at a dead screen.
        common::errhandler(s_.services, s_.shared, e, "form1:readexerciseheader");
        endsession(s_);
    }
}

void Form1::hidebehind() {
    if (!s_.shared.isnt) Hide();
}

void Form1::gotoexercise() {
    if (next_.showExercise) next_.showExercise();
}

void Form1::leavetoexercise() {
    readheader();
    hidebehind();
    gotoexercise();
}

} // namespace kartino::session
