#include "exercise/form_kartino.hpp"

#include "common/cursor_helpers.hpp"
#include "common/design_screen.hpp"
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
#include "exercise/text_rows.hpp"
#include "platform/ui/application.hpp"
#include "session/result_records.hpp"

#include <array>
#include <cmath>
#include <utility>

namespace kartino::exercise {

namespace {

constexpr int kF1 = 112;

} // namespace

FormKartino::FormKartino(ui::Application &app, session::Session &session, bool keyboardpointer)
    : Form(app, "FormKartino"), s_(session), keyboardpointer_(keyboardpointer) {
    setFontName("Arial");
    setFontSize(12);
    placecontrols();
    LabelCancel.setBackStyle(ui::Label::Transparent);
    LabelAufno.setBackStyle(ui::Label::Transparent);
    LabelAufno.setAlignment(ui::Label::RightJustify);
    LabelWeiter.setCaption(">>");
    LabelWeiter.setFont({"Arial", 14.25});
    LabelWeiter.setAlignment(ui::Label::Center);
    LabelCancel.Click = [this] { LabelCancel_Click(); };
    LabelWeiter.Click = [this] { LabelWeiter_Click(); };
    CommandHilf.Click = [this] { CommandHilf_Click(); };
    CommandJa.Click = [this] { CommandJa_Click(); };
    CommandNein.Click = [this] { CommandNein_Click(); };
}

std::array<ui::Control *, 6> FormKartino::controlsinorder() {
    return {&LabelCancel, &LabelAufno, &LabelWeiter, &CommandHilf, &CommandJa, &CommandNein};
}

void FormKartino::placecontrols() {
    const std::pair<ui::Control *, common::DesignRect> places[] = {
        {&LabelCancel, {619, 4, 16, 14}},   {&LabelAufno, {560, 4, 50, 20}},
        {&LabelWeiter, {580, 448, 60, 25}}, {&CommandHilf, {480, 448, 100, 25}},
        {&CommandJa, {8, 168, 60, 25}},     {&CommandNein, {8, 208, 60, 25}},
    };
    for (const auto &[control, rect] : places) {
        common::placeindesign(*control, rect);
        control->setVisible(false);
    }
}

void FormKartino::Form_Load() {
    const common::ScreenMetrics &sc = s_.shared.screen;
    for (ui::Control *c : controlsinorder())
        common::scalecontrol(s_.shared, *c);
    setFontSize(common::ctlscaley(sc, FontSize()));
    setFontCharset(s_.shared.charsetnumber);
    s_.exerciserun.crossarm = static_cast<std::int16_t>(common::topixels(common::scalex(sc, 6)));

    const auto cursor = [this](bool show) { return app().ShowCursor(show); };
    s_.shared.savedcursorcount = app().ShowCursor(false) + 1;
    common::showcursor(cursor);
    common::composepalette(s_.shared, s_.vectors.headerline);
    setForeColor(common::palcolor(s_.shared, 1));
    LabelCancel.setVisible(common::fnbitset(s_.settings.hostflags, 11) != 0);

    setBackColor(common::palcolor(s_.shared, 0));
    LabelWeiter.setCaption(s_.texts.text[session::kGoOnText]);
    CommandHilf.setCaption(s_.texts.text[session::kHelpButtonText]);
    CommandJa.setCaption(s_.texts.text[session::kYesText]);
    CommandNein.setCaption(s_.texts.text[session::kNoText]);
    LabelAufno.setForeColor(common::palcolor(s_.shared, 10));

    // The help button and the go-on label sit at the right edge: low down, or in the middle of
    // the right-hand side with the alternative layout.
    CommandHilf.setLeft(common::topixels(common::screenx(sc, 640)) - CommandHilf.Width());
    LabelWeiter.setLeft(common::topixels(common::screenx(sc, 640)) - LabelWeiter.Width());
    if (s_.settings.switchx) {
        CommandHilf.setTop(common::topixels(common::screeny(sc, 304)));
        LabelWeiter.setTop(common::topixels(common::screeny(sc, 352)));
    } else {
        CommandHilf.setTop(common::topixels(common::screeny(sc, 479)) - CommandHilf.Height());
        LabelWeiter.setTop(common::topixels(common::screeny(sc, 479)) - LabelWeiter.Height());
    }

    // The save copies under the answer mark and under the cross-hair.
    content::Presentation &t = s_.task;
    t.markboxw = static_cast<std::int16_t>(common::topixels(common::scalex(sc, 14)));
    t.markboxh = static_cast<std::int16_t>(common::topixels(common::scaley(sc, 14)));
    PictureSave.resize(t.markboxw, t.markboxh);
    Picturespal.resize(common::topixels(common::scalex(sc, 11)), 1);
    Picturezeil.resize(1, common::topixels(common::scaley(sc, 11)));
    s_.exerciserun.crossboxw = s_.exerciserun.crossboxh = common::scalex(sc, 14);
    Picturemaus.resize(common::topixels(s_.exerciserun.crossboxw),
                       common::topixels(s_.exerciserun.crossboxh));

    s_.results.tasknumber = 0;
    s_.exerciserun.runfinished = false;
    s_.exerciserun.awaitingclick = false;
    if (s_.shared.isnt) setAutoRedraw(true);
}

void FormKartino::Form_Activate() {
    content::mapsetup(s_, *this);
    content::loadplacelist(s_, *this);
    // The row below the map, where the end of the run puts its lines.
    s_.exerciserun.maptextrow = maptextrowfor(s_);
    if (s_.settings.flagbit8) shuffleplaces();
    startrun();
    if (s_.results.tasknumber == 0) nexttask();
}

// The places in a random order: each entry exchanged with a random one, then split again.
void FormKartino::shuffleplaces() {
    vecgraphics::VectorTables &vectors = s_.vectors;
    for (std::int16_t i = 0; i <= vectors.itemcount; ++i) {
        const std::int16_t c = basic::checkedInteger(
            common::fnrandom(s_.services.rnd, basic::checkedInteger(vectors.itemcount + 1)) - 1);
        const auto a = static_cast<std::size_t>(i), b = static_cast<std::size_t>(c);
        common::swap(vectors.recordtext.at(a), vectors.recordtext.at(b));
        common::swap(vectors.recordname.at(a), vectors.recordname.at(b));
        common::swap(s_.places.placenumber.at(a), s_.places.placenumber.at(b));
    }
    content::splitfields(s_);
}

// The reset at the start of every run and the working values its tasks read.
void FormKartino::startrun() {
    session::resetrun(s_);
    s_.task.taskflags = s_.settings.exerciseflags3;
    s_.task.pointmode = common::fnbitset(s_.task.taskflags, 8) != 0;
    if (s_.settings.exerciseparam.toDouble() < 1) s_.settings.exerciseparam = std::int16_t{1};
    s_.results.totaltime = 0;
    s_.exerciserun.deviationsum = 0;
    if (s_.settings.helpallowed) s_.results.helptotal = 0;
    if (s_.settings.flagbit0) s_.results.correctcount = 0;
}

// The message area is blanked from the message row to the bottom of the screen, which covers the
// map as well. The map, drawn into the form's persistent image when the run started, is put back
// at once from there, so that only the messages above it go; what the task drew on the map since
// (the solution, the answer mark) was drawn on the screen alone and goes with them.
void FormKartino::clearmessages() {
    common::clearmessages(*this, s_.shared, s_.map.messagerow);
    if (AutoRedraw()) return; // the image was blanked as well
    const common::ScreenMetrics &sc = s_.shared.screen;
    // From the first pixel row below the design row above the map.
    const int top = static_cast<int>(std::floor(common::screeny(sc, s_.map.maptop - 1))) + 1;
    invalidate(gfx::Rect{0, top, ScaleWidth(), ScaleHeight()});
    repaintInvalid();
}

void FormKartino::Form_Paint() {
    if (LabelCancel.Visible()) common::drawcancelbox(*this, LabelCancel);
    if (s_.shared.screen.areawidth < s_.shared.screen.screenwidth) common::drawframe(*this, s_.shared, 0);
}

void FormKartino::Form_KeyDown(int &KeyCode, int Shift) {
    if (common::fnabortkey(s_.shared.abortkey, KeyCode, Shift)) LabelCancel_Click();
    if (KeyCode == kF1) {
        showhelp();
        return;
    }
    if (pointbykey(KeyCode, Shift)) return;
    if (CommandJa.Visible()) {
        if (common::iskeyof(KeyCode, s_.texts.text[session::kYesKey]))
            CommandJa_Click();
        else if (common::iskeyof(KeyCode, s_.texts.text[session::kNoKey]))
            CommandNein_Click();
    } else if (LabelWeiter.Visible() && common::isgoonkey(s_.shared.keylist, KeyCode)) {
        LabelWeiter_Click();
    }
}

void FormKartino::LabelCancel_Click() {
    common::restorecursor([this](bool show) { return app().ShowCursor(show); }, s_.shared.savedcursorcount);
    session::endsession(s_);
}

} // namespace kartino::exercise
