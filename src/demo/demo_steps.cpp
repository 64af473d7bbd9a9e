// Stepping through the places of the demonstration by buttons and initial keys, the seconds
// counter with its time limit, and the closing display.
#include "common/design_screen.hpp"
#include "common/fields.hpp"
#include "common/keys.hpp"
#include "common/pause.hpp"
#include "common/small_helpers.hpp"
#include "common/text_grid.hpp"
#include "content/target_display.hpp"
#include "content/task_presentation.hpp"
#include "demo/form_demo.hpp"
#include "platform/basic/numbers.hpp"
#include "platform/ui/application.hpp"
#include "session/result_records.hpp"

namespace kartino::demo {

namespace {

constexpr float kClosingSeconds = 3;

} // namespace

void FormDemo::showplace() {
    content::MapForm view = mapform();
    content::presenttask(s_, view);
    content::showtarget(s_, view);
}

// The next or the previous place, wrapping round at both ends of the list.
void FormDemo::step(int by) {
    content::MapForm view = mapform();
    content::hidetarget(s_, view);
    std::int16_t &index = s_.run.taskindex;
    const std::int16_t last = s_.vectors.itemcount;
    index = basic::checkedInteger(index + by);
    if (index > last) index = 0;
    if (index < 0) index = last;
    showplace();
}

void FormDemo::CommandWeiter_Click() {
    step(1);
}
void FormDemo::CommandZurueck_Click() {
    step(-1);
}
void FormDemo::CommandEsc_Click() {
    finish(false);
}

// The end of the demonstration: the true place taken back, the closing display unless only the
// demonstration runs, and the form unloaded (the start form goes on).
void FormDemo::finish(bool cleartexts) {
    content::MapForm view = mapform();
    content::hidetarget(s_, view);
    if (!s_.settings.demoonly) demoend();
    if (cleartexts) {
        common::clearmessages(*this, s_.shared, s_.map.messagerow);
        content::clearheader(s_, view);
    }
    Unload();
}

void FormDemo::Form_KeyDown(int &KeyCode, int Shift) {
    if (common::fnabortkey(s_.shared.abortkey, KeyCode, Shift)) session::endsession(s_);
    std::string::size_type p = std::string::npos;
    if (!keyheld_ && !demokeys_.empty() && KeyCode > 0 && KeyCode < 256)
        p = demokeys_.find(common::ucase(std::string(1, static_cast<char>(KeyCode))));
    if (p == 0 || p == 1) {
        ui::CommandButton &button = p == 0 ? CommandWeiter : CommandZurueck;
        button.SetFocus();
        step(p == 0 ? 1 : -1);
        keyheld_ = true;
    } else if (p == 2) {
        finish(true);
    } else {
        app().sndPlaySound(s_.settings.warnsound);
    }
}

void FormDemo::Form_KeyUp(int &, int) {
    keyheld_ = false;
}

void FormDemo::Timer1_Timer() {
    common::incr(demoseconds_);
    if (demoseconds_ > s_.settings.timelimit) {
        finish(false);
        return;
    }
    if (s_.map.questionrow != 1) {
        LabelSekunden.setCaption(common::trim(basic::Str(demoseconds_)));
        LabelSekunden.setVisible(true);
    } else {
        // The number keeps the blank Str puts before it: "Zeit: 12 s".
        const std::string &timetext = s_.settings.exercisetexts[session::kDemoTimeText];
        LabelSekunden.setCaption(common::fnreplace(timetext, " /", basic::Str(demoseconds_)) + " ");
    }
    fitlabel(LabelSekunden);
}

void FormDemo::demoend() {
    for (ui::Control *c : std::initializer_list<ui::Control *>{&CommandEsc, &CommandWeiter, &CommandZurueck,
                                                               &LabelSekunden, &LabelSekl, &LabelSekr})
        c->setVisible(false);
    Timer1.setEnabled(false);
    // What the hidden controls covered is repainted now, before the closing text is printed over
    // it; repainted later it would cut holes into the text.
    repaintInvalid();
    content::MapForm view = mapform();
    content::clearheader(s_, view);
    s_.results.offeranswer = static_cast<double>(s_.services.clock.timer()) - s_.settings.demostart;

    const common::ScreenMetrics &sc = s_.shared.screen;
    const std::string &closing = s_.texts.text[session::kDemoClosingText];
    setCurrentX(common::screenx(sc, 320) - TextWidth(closing) / 2);
    setCurrentY(common::fnmin(common::screeny(sc, 479) - TextHeight(closing),
                              common::screeny(sc, basic::checkedInteger((s_.settings.limit9 - 1) * 16))));
    Print(closing);
    app().DoEvents();
    app().sndPlaySound(s_.settings.bangsound);
    common::pause(s_.services.clock, s_.services.waitUntil, kClosingSeconds);
}

} // namespace kartino::demo
