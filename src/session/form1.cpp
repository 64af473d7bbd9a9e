// Start-up: the load of the start form reads everything the session needs before the trainee
// sees the start screen. Any run-time error on the way is reported as "form1:load" and ends the
// session with the cancel record.
#include "session/form1.hpp"

#include "common/charset.hpp"
#include "common/errors.hpp"
#include "common/flags.hpp"
#include "common/palette.hpp"
#include "common/scale_control.hpp"
#include "platform/basic/errors.hpp"
#include "platform/ui/application.hpp"
#include "session/command_line.hpp"
#include "session/exercise_file.hpp"
#include "session/exercise_header.hpp"
#include "session/language_file.hpp"
#include "session/result_records.hpp"
#include "session/settings_file.hpp"
#include "session/startup_values.hpp"

namespace kartino::session {
namespace {

struct Placement {
    ui::Label Form1::*label;
    common::DesignRect rect;
};

// Design places of the start form's labels on the 640 x 480 design screen.
constexpr Placement placements[] = {
    {&Form1::LabelVariantQuestion, {140, 370, 225, 30}},
    {&Form1::LabelVariantAnswer, {380, 370, 100, 30}},
    {&Form1::LabelOfferQuestion, {100, 433, 300, 33}},
    {&Form1::LabelJa, {440, 430, 60, 30}},
    {&Form1::LabelNein, {520, 430, 60, 30}},
    {&Form1::LabelWeiter, {270, 430, 100, 30}},
    {&Form1::LabelCancel, {619, 4, 16, 14}},
};

constexpr const char *loadLocation = "form1:load";

} // namespace

Form1::Form1(ui::Application &app, Session &session, std::string commandline, NextForms next)
    : Form(app, "Form1"), s_(session), commandline_(std::move(commandline)), next_(std::move(next)) {
    setFontName("Arial");
    setFontSize(12);
    for (int i = 0; i < variantLabelCount; ++i) {
        auto &label = varLabels_[static_cast<std::size_t>(i)];
        label = std::make_unique<ui::Label>(*this, "varLabel(" + std::to_string(i) + ")");
        common::placeindesign(*label, {0, 0, 81, 33});
        label->setCaption("varianten");
        label->setVisible(false);
        label->setEnabled(false);
        if (i > 0) label->Click = [this, i] { varLabel_click(i); };
    }
    for (const Placement &p : placements) {
        ui::Label &label = this->*p.label;
        common::placeindesign(label, p.rect);
        label.setVisible(false);
    }
    for (ui::Label *transparent : {&LabelJa, &LabelNein, &LabelCancel})
        transparent->setBackStyle(ui::Label::Transparent);
    LabelVariantQuestion.setCaption("welche Variante");
    LabelVariantAnswer.setAlignment(ui::Label::Center);
    LabelWeiter.setCaption("+ >>");
    LabelWeiter.setFont({"Arial", 14.25});
    LabelJa.Click = [this] { LabelJa_Click(); };
    LabelNein.Click = [this] { LabelNein_Click(); };
    LabelWeiter.Click = [this] { LabelWeiter_Click(); };
    LabelCancel.Click = [this] { LabelCancel_Click(); };
}

void Form1::Form_Load() {
    try {
        startup();
    } catch (const basic::RuntimeError &e) {
        common::errhandler(s_.services, s_.shared, e, loadLocation);
        endsession(s_);
    }
}

void Form1::startup() {
    Settings &st = s_.settings;
    st.palettedevice = false; // no display of ours maps colours through a hardware palette
    common::checkplatform(s_.shared);

    st.hostfolder = hostfolderof(commandline_);
    s_.shared.currentfile = st.hostfolder + "CVOR";
    s_.services.files.closeAll();
    if (!common::fnfileexists(s_.services, s_.shared, s_.shared.currentfile, loadLocation)) endsession(s_);
    readsettingsfile(s_);

    st.langfolder = s_.shared.settingspaths[common::kExerciseRoot] +
                    s_.shared.settingspaths[common::kLanguageName] + "\\";
    readcommandline(st, commandline_);
    setstartvalues(s_);
    s_.services.rnd.Randomize(st.randomseed);
    readhostfiles();
    if (common::fnbitset(st.hostflags, 11)) LabelCancel.setVisible(true);
    measurescreen();
    s_.shared.charsetnumber = common::ReadCharset(s_.services, s_.shared);
    scalecontrols();
    readexercise();
    deriveflags(s_);
    splitdemotext(st);
    LabelVariantQuestion.setCaption(s_.texts.text[kVariantQuestionText]);
    if (st.demoonly) demonstrationonly();

    sethelpallowed(s_);
    timelimitrule(st);
    splitvariants(st);
    offersetup();
    resetrun(s_);
    showstartscreen();
}

void Form1::readhostfiles() {
    prbinput(s_);
    common::readpal64(s_.services, s_.shared);
}

void Form1::measurescreen() {
    common::ScreenMetrics &m = s_.shared.screen;
    m.screenwidth = static_cast<float>(app().screenSize().width);
    m.screenheight = static_cast<float>(app().screenSize().height);
    m.areawidth = s_.settings.areawidthsetting.toDouble();
    m.areaheight = s_.settings.areaheightsetting.toDouble();
    common::clamparea(m);
    m.dpix = app().dpi();
    m.dpiy = app().dpi();
}

void Form1::scalecontrols() {
    for (const Placement &p : placements)
        common::scalecontrol(s_.shared, this->*p.label);
    setFontSize(common::ctlscaley(s_.shared.screen, FontSize()));
    setFontCharset(s_.shared.charsetnumber);
}

void Form1::readexercise() {
    s_.shared.currentfile = s_.settings.langfolder + s_.settings.exercisefile;
    if (!common::fnfileexists(s_.services, s_.shared, s_.shared.currentfile, loadLocation)) endsession(s_);
    readexercisefile(s_);
}

// Demonstration-only mode: the demonstration, its record, and the end of the session.
void Form1::demonstrationonly() {
    readexerciseheader(s_);
    if (next_.showDemo) next_.showDemo();
    writedemorecord(s_);
    endprocess(s_, 0);
}

void Form1::showstartscreen() {
    if (s_.settings.hasvariants) {
        showVariantLabels();
    } else if (s_.settings.offeractive) {
        for (ui::Label *l : {&LabelOfferQuestion, &LabelJa, &LabelNein})
            l->setVisible(true);
    } else {
        LabelWeiter.setCaption(s_.texts.text[kGoOnText]);
        LabelWeiter.setVisible(true);
    }
    buildinstructionlines(s_);
}

} // namespace kartino::session
