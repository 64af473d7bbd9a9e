// The task sequence of a run: the next task with its counter, place and question, the
// bookkeeping after a task, the end of the run with the summary and the offer of a repetition
// run of the tasks answered wrongly.
#include "common/design_screen.hpp"
#include "common/errors.hpp"
#include "common/fields.hpp"
#include "common/flags.hpp"
#include "common/scale_control.hpp"
#include "common/small_helpers.hpp"
#include "common/text_grid.hpp"
#include "content/target_display.hpp"
#include "content/task_presentation.hpp"
#include "exercise/feedback.hpp"
#include "exercise/form_kartino.hpp"
#include "exercise/statistics.hpp"
#include "exercise/text_rows.hpp"
#include "platform/basic/numbers.hpp"
#include "platform/ui/application.hpp"
#include "session/result_records.hpp"

#include <limits>

namespace kartino::exercise {

namespace {

using basic::checkedInteger;

constexpr std::int16_t kQuestionColour = 1, kQuestionBack = 0;
constexpr std::int32_t kFeedbackDisplays = 0b100011100; // featuremask bits 2, 3, 4 and 8
constexpr int kRepeatFile = 1;                          // the task indices of a repetition run

std::string trimmed(std::int16_t n) {
    return common::trim(basic::Str(n));
}

} // namespace

void FormKartino::nexttask() {
    session::Results &r = s_.results;
    common::incr(r.tasknumber);
    if (r.tasknumber > s_.settings.taskcount) {
        endofrun();
        return;
    }
    if (s_.shared.isnt) setAutoRedraw(true);
    showtaskcounter();
    chooseplace();
    content::MapForm view = mapform();
    content::presenttask(s_, view);
    // The click's colour test needs to know before the answer whether the place is a point.
    s_.task.pointtarget = content::ispointplace(s_);
    printquestion();
    if (s_.settings.helpallowed) CommandHilf.setVisible(true);
    takecursor();
    s_.exerciserun.helpused = 0;
    const HelpPlace help = helpplacefor(s_, rightcontrols());
    s_.exerciserun.helprow = help.row;
    s_.exerciserun.helpcolumn = help.column;
    s_.exerciserun.taskstart = s_.services.clock.timer();
    s_.exerciserun.awaitingclick = true;
    if (s_.shared.isnt) setAutoRedraw(false);
}

// The task counter at the top right ("R1:2/3" in the first repetition run), moved left of the
// close box or down to the question's row.
void FormKartino::showtaskcounter() {
    const common::ScreenMetrics &sc = s_.shared.screen;
    const session::Results &r = s_.results;
    std::string counter = trimmed(r.tasknumber) + "/" + trimmed(s_.settings.taskcount);
    if (r.repeatnumber > 0) counter = "R" + trimmed(r.repeatnumber) + ":" + counter;
    const std::int16_t questionrow = s_.map.questionrow;
    // Wide enough for the longest counter ("R1:10/12"): the designed width cuts it.
    common::fitcaption(LabelAufno, counter, std::numeric_limits<int>::max());
    LabelAufno.setLeft(common::topixels(common::screenx(sc, 630)) - LabelAufno.Width());
    if (questionrow == 1 && common::fnbitset(s_.settings.hostflags, 11))
        LabelAufno.setLeft(LabelAufno.Left() - common::topixels(common::scalex(sc, 20)));
    if (questionrow != 1) {
        LabelAufno.setTop(
            common::topixels(common::screeny(sc, checkedInteger(checkedInteger(questionrow - 1) * 16))));
        LabelAufno.setLeft(common::topixels(common::screenx(sc, 636)) - LabelAufno.Width());
    }
    LabelAufno.setCaption(counter);
    if (common::fnbitset(s_.settings.hostoptions, 7)) LabelAufno.setVisible(true);
}

// The place of the task: the next index of the repetition file in a repetition run, else the
// task's own place, or a random one when the list is shorter than the run.
void FormKartino::chooseplace() {
    const session::Results &r = s_.results;
    std::int16_t &taskindex = s_.run.taskindex;
    if (r.repeatnumber > 0) {
        taskindex = s_.services.files.inputInteger(kRepeatFile);
        return;
    }
    taskindex = checkedInteger(r.tasknumber - 1);
    if (taskindex > s_.vectors.itemcount)
        taskindex =
            checkedInteger(basic::Int(s_.services.rnd.Rnd() * static_cast<float>(s_.vectors.itemcount)));
}

// Where the controls at the right edge lie on the design grid (those shown, and the go-on label,
// which shows after the answer): the help lines keep clear of them.
std::vector<DesignBand> FormKartino::rightcontrols() const {
    const common::ScreenMetrics &sc = s_.shared.screen;
    std::vector<DesignBand> bands;
    auto take = [&](const ui::Control &c) {
        bands.push_back({common::designy(sc, c.Top()), common::designy(sc, c.Top() + c.Height())});
    };
    if (LabelAufno.Visible()) take(LabelAufno);
    if (CommandHilf.Visible()) take(CommandHilf);
    take(LabelWeiter);
    return bands;
}

void FormKartino::printquestion() {
    const std::string &question =
        s_.settings.exercisetexts.at(static_cast<std::size_t>(s_.settings.questiontextindex));
    const double x = basic::CInt(common::screenx(s_.shared.screen, 320) - TextWidth(question) / 2);
    common::printrow(*this, s_.shared, question, s_.map.messagerow, x, kQuestionColour, kQuestionBack);
}

void FormKartino::LabelWeiter_Click() {
    ExerciseRun &exerciserun = s_.exerciserun;
    if (exerciserun.summaryshown) {
        exerciserun.summaryshown = false;
        nexttask();
    } else if (s_.results.tasknumber == s_.settings.taskcount) {
        endtask();
        showsummary();
        exerciserun.summaryshown = true;
        app().moment("summary");
    } else {
        LabelWeiter.setVisible(false);
        endtask();
        nexttask();
    }
}

void FormKartino::endtask() {
    eraseanswermark();
    if ((kFeedbackDisplays & s_.settings.featuremask) != 0) {
        content::MapForm view = mapform();
        content::hidetarget(s_, view);
    }
    clearmessages();
    session::Results &r = s_.results;
    if (common::fnbitset(s_.settings.hostoptions, 2) && !s_.exerciserun.answercorrect) {
        s_.services.files.write(session::repeatFileNumber, {basic::Variant(s_.run.taskindex)});
        common::incr(r.repeatcount);
    }
    if (r.tasknumber == s_.settings.halftasks && r.repeatnumber == 0) halfrunstatistics(s_);
}

void FormKartino::endofrun() {
    ExerciseRun &exerciserun = s_.exerciserun;
    if (!exerciserun.runfinished) {
        writefeedbackfile(s_);
        exerciserun.runfinished = true;
    }
    clearmessages();
    content::MapForm view = mapform();
    content::clearheader(s_, view);
    LabelWeiter.setVisible(false);
    LabelAufno.setVisible(false);
    const common::ScreenMetrics &sc = s_.shared.screen;
    setCurrentY(
        common::fnmax(common::screeny(sc, 0),
                      common::screeny(sc, checkedInteger(checkedInteger(exerciserun.maptextrow - 2) * 16))));
    if (common::fnbitset(s_.settings.hostoptions, 2) && s_.results.repeatcount >= 1) {
        offerrepetition();
        return;
    }
    clearlists();
    showsystemcursor();
    session::finishsession(s_);
}

// The question whether to repeat the wrong tasks, with its yes and no buttons.
void FormKartino::offerrepetition() {
    session::Results &r = s_.results;
    const common::ScreenMetrics &sc = s_.shared.screen;
    r.statusflags = static_cast<std::int16_t>(r.statusflags | common::fnbits("b100"));
    s_.services.files.close(kRepeatFile);
    s_.services.files.close(session::repeatFileNumber);
    s_.shared.currentfile.clear();

    const auto &texts = s_.texts.repeattexts;
    const std::string first = texts[session::kRepeatLead] + basic::Str(s_.settings.taskcount) + " " +
                              texts[session::kRepeatMiddle] + basic::Str(r.repeatcount) + " " +
                              texts[session::kRepeatAfter] + texts[session::kRepeatEnd];
    setCurrentX(common::screenx(sc, 320) - TextWidth(first) / 2);
    Print(first);
    const std::string question = texts[session::kRepeatQuestion] + "?";
    const std::int16_t row = s_.map.messagerow < 1 ? std::int16_t{28} : s_.map.messagerow;
    const double designtop = common::screeny(sc, checkedInteger(checkedInteger(row - 1) * 16));
    if (s_.settings.switchx) {
        setCurrentX(common::screenx(sc, 320) - TextWidth(question) / 2);
        Print(question);
        CommandJa.setTop(common::topixels(common::screeny(sc, 176)));
        CommandNein.setTop(common::topixels(common::screeny(sc, 208)));
        CommandJa.setLeft(common::topixels(common::screenx(sc, 640)) - CommandJa.Width());
        CommandNein.setLeft(common::topixels(common::screenx(sc, 640)) - CommandNein.Width());
    } else {
        setCurrentX(common::screenx(sc, 320) - TextWidth(question) / 2);
        setCurrentY(common::fnmin(common::screeny(sc, 478) - TextHeight(question), designtop));
        Print(question);
        const double bottom = common::screeny(sc, 479);
        CommandJa.setTop(common::topixels(common::fnmin(bottom - CommandJa.Height(), designtop)));
        CommandNein.setTop(common::topixels(common::fnmin(bottom - CommandNein.Height(), designtop)));
        CommandJa.setLeft(common::topixels(common::screenx(sc, 620)) - 2 * CommandJa.Width());
        CommandNein.setLeft(common::topixels(common::screenx(sc, 630)) - CommandNein.Width());
    }
    CommandJa.setVisible(true);
    CommandNein.setVisible(true);
}

void FormKartino::CommandJa_Click() {
    CommandJa.setVisible(false);
    CommandNein.setVisible(false);
    session::Results &r = s_.results;
    s_.settings.taskcount = r.repeatcount;
    common::incr(r.repeatnumber);
    session::protocolline(s_, "2", s_.texts.text[session::kYesKey], r.repeatcount);
    s_.shared.currentfile = s_.shared.settingspaths[common::kResultFolder] + r.repeatfile;
    if (!common::fnfileexists(s_.services, s_.shared, s_.shared.currentfile, "formkartino:commandja_click"))
        session::endsession(s_);
    s_.services.files.open(kRepeatFile, s_.shared.currentfile, basic::OpenMode::Input);
    r.offerflags = static_cast<std::int16_t>(r.offerflags | common::fnbits("b100"));
    clearlists();
    clearmessages();
    startrun();
    r.tasknumber = 0;
    s_.exerciserun.runfinished = false;
    nexttask();
}

void FormKartino::CommandNein_Click() {
    CommandJa.setVisible(false);
    CommandNein.setVisible(false);
    session::protocolline(s_, "2", s_.texts.text[session::kNoKey], s_.results.repeatcount);
    clearlists();
    showsystemcursor();
    session::finishsession(s_);
}

void FormKartino::clearlists() {
    session::Results &r = s_.results;
    r.tasklist1.clear();
    r.tasklist2.clear();
    r.tasklist3.clear();
    r.tasklist4.clear();
}

} // namespace kartino::exercise
