#include "demo/form_demo.hpp"

#include "common/design_screen.hpp"
#include "common/fields.hpp"
#include "common/flags.hpp"
#include "common/form_helpers.hpp"
#include "common/keys.hpp"
#include "common/palette.hpp"
#include "common/palette_composer.hpp"
#include "common/scale_control.hpp"
#include "common/small_helpers.hpp"
#include "common/text_grid.hpp"
#include "content/map_setup.hpp"
#include "content/place_list.hpp"
#include "content/target_display.hpp"
#include "content/task_presentation.hpp"
#include "platform/basic/numbers.hpp"
#include "session/result_records.hpp"

#include <algorithm>
#include <array>
#include <utility>

namespace kartino::demo {

namespace {

std::string initial(const std::string &text) {
    return common::ucase(text.substr(0, 1));
}

} // namespace

FormDemo::FormDemo(ui::Application &app, session::Session &session) : Form(app, "FormDemo"), s_(session) {
    setFontName("Arial");
    setFontSize(12);
    const std::pair<ui::Control *, common::DesignRect> places[] = {
        {&CommandZurueck, {144, 455, 100, 25}}, {&CommandWeiter, {272, 455, 100, 25}},
        {&CommandEsc, {392, 455, 100, 25}},     {&LabelSekunden, {520, 2, 90, 14}},
        {&LabelSekl, {585, 64, 50, 16}},        {&LabelSekr, {585, 120, 50, 16}},
        {&LabelCancel, {619, 4, 16, 14}},
    };
    for (const auto &[control, rect] : places)
        common::placeindesign(*control, rect);
    CommandZurueck.setCaption("zur\xFC"
                              "ck");
    CommandWeiter.setCaption("weiter");
    CommandEsc.setCaption("ESC");
    for (ui::Label *l : {&LabelSekunden, &LabelSekl, &LabelSekr, &LabelCancel}) {
        l->setBackStyle(ui::Label::Transparent);
        l->setVisible(false);
    }
    CommandZurueck.Click = [this] { CommandZurueck_Click(); };
    CommandWeiter.Click = [this] { CommandWeiter_Click(); };
    CommandEsc.Click = [this] { CommandEsc_Click(); };
    LabelCancel.Click = [this] { LabelCancel_Click(); };
    Timer1.OnTimer = [this] { Timer1_Timer(); };
}

void FormDemo::Form_Load() {
    const common::ScreenMetrics &sc = s_.shared.screen;
    for (ui::Control *c : std::array<ui::Control *, 7>{&CommandZurueck, &CommandWeiter, &CommandEsc,
                                                       &LabelSekunden, &LabelSekl, &LabelSekr, &LabelCancel})
        common::scalecontrol(s_.shared, *c);
    setFontSize(common::ctlscaley(sc, FontSize()));
    setFontCharset(s_.shared.charsetnumber);
    common::composepalette(s_.shared, s_.vectors.headerline);
    LabelCancel.setVisible(common::fnbitset(s_.settings.hostflags, 11) != 0);
    // The map's background and text colour, as on the exercise form.
    setBackColor(common::palcolor(s_.shared, 0));
    setForeColor(common::palcolor(s_.shared, 1));
    placebuttons();

    content::Presentation &t = s_.task;
    t.markboxw = basic::CInt(common::scalex(sc, 14));
    t.markboxh = basic::CInt(common::scaley(sc, 14));
    PictureSave.resize(t.markboxw, t.markboxh);

    const auto &text = s_.texts.text;
    CommandWeiter.setCaption(text[session::kDemoForwardText]);
    CommandZurueck.setCaption(text[session::kDemoBackText]);
    CommandEsc.setCaption(text[session::kDemoEndText]);
    demokeys_ = initial(text[session::kDemoForwardText]) + initial(text[session::kDemoBackText]) +
                initial(text[session::kDemoEndText]);
    if (!s_.settings.demoonly) {
        demoseconds_ = 0;
        Timer1.setInterval(1000);
        Timer1.setEnabled(true);
        for (ui::Label *l : {&LabelSekunden, &LabelSekl, &LabelSekr})
            l->setForeColor(common::palcolor(s_.shared, 1));
    }
}

// The buttons on the bottom text row, or one above the other at the right edge with the
// alternative layout.
void FormDemo::placebuttons() {
    const common::ScreenMetrics &sc = s_.shared.screen;
    const std::pair<ui::CommandButton *, double> buttons[] = {
        {&CommandZurueck, 304}, {&CommandWeiter, 336}, {&CommandEsc, 368}};
    for (const auto &[button, righttop] : buttons) {
        if (s_.settings.switchx) {
            button->setLeft(common::topixels(common::screenx(sc, 640)) - button->Width());
            button->setTop(common::topixels(common::screeny(sc, righttop)));
        } else {
            const double bottomrow =
                common::screeny(sc, basic::checkedInteger((s_.settings.limit9 - 1) * 16));
            button->setTop(
                common::topixels(common::fnmin(common::screeny(sc, 479) - button->Height(), bottomrow)));
        }
    }
}

void FormDemo::Form_Activate() {
    keyheld_ = false;
    content::mapsetup(s_, *this);
    placeseconds();
    content::loadplacelist(s_, *this);
    s_.task.taskflags = s_.settings.demoflags;
    s_.task.pointmode = common::fnbitset(s_.task.taskflags, 8) != 0;
    s_.run.taskindex = 0;
    showplace();
    if (LabelCancel.Visible()) common::drawcancelbox(*this, LabelCancel);
}

// The seconds at the top right; with a question row further down, between the texts before and
// after them on the right-hand side.
void FormDemo::placeseconds() {
    const common::ScreenMetrics &sc = s_.shared.screen;
    const std::int16_t row = s_.map.questionrow;
    if (row != 1) {
        LabelSekl.setCaption(s_.settings.demotextleft);
        LabelSekl.setTop(common::topixels(common::screeny(sc, basic::checkedInteger((row - 1) * 16))));
        LabelSekunden.setTop(common::topixels(common::screeny(sc, basic::checkedInteger(row * 16))));
        LabelSekunden.setWidth(common::topixels(common::scalex(sc, 50)));
        LabelSekunden.setLeft(common::topixels(common::screenx(sc, 585)));
        LabelSekr.setCaption(s_.settings.demotextright);
        LabelSekr.setTop(common::topixels(common::screeny(sc, basic::checkedInteger((row + 1) * 16))));
        for (ui::Label *l : {&LabelSekl, &LabelSekunden, &LabelSekr}) {
            fitlabel(*l);
            l->setVisible(true);
        }
    } else {
        LabelSekunden.setVisible(true);
    }
}

// A seconds label as wide as its caption, within the design area and left of the close box.
void FormDemo::fitlabel(ui::Label &label) {
    int limit = common::topixels(common::screenx(s_.shared.screen, 640));
    const bool besidebox = LabelCancel.Visible() && label.Top() < LabelCancel.Top() + LabelCancel.Height() &&
                           LabelCancel.Top() < label.Top() + label.Height();
    if (besidebox) limit = std::min(limit, LabelCancel.Left() - 1);
    common::fitcaption(label, label.Caption(), limit);
}

void FormDemo::Form_Paint() {
    if (LabelCancel.Visible()) common::drawcancelbox(*this, LabelCancel);
    if (s_.shared.screen.areawidth < s_.shared.screen.screenwidth) common::drawframe(*this, s_.shared, 0);
}

void FormDemo::LabelCancel_Click() {
    session::endsession(s_);
}

} // namespace kartino::demo
