// The judgement of an accepted click: the answer time, the true place shown, right or wrong
// (find mode) or the kilometre error (distance mode), the feedback, the task lists and the
// answer mark; and the summary after the last task.
#include "common/design_screen.hpp"
#include "common/flags.hpp"
#include "common/small_helpers.hpp"
#include "common/text_grid.hpp"
#include "content/place_list.hpp"
#include "content/target_display.hpp"
#include "content/task_presentation.hpp"
#include "exercise/feedback.hpp"
#include "exercise/form_kartino.hpp"
#include "exercise/scoring.hpp"
#include "exercise/statistics.hpp"
#include "platform/basic/numbers.hpp"

namespace kartino::exercise {

namespace {

constexpr std::int32_t kFeedbackDisplays = 0b100011100; // featuremask bits 2, 3, 4 and 8
constexpr float kSecondsPerDay = 86400;
constexpr std::int16_t kSummaryColour = 1, kSummaryBack = 0;

} // namespace

void FormKartino::evaluateanswer() {
    ExerciseRun &exerciserun = s_.exerciserun;
    session::Results &r = s_.results;
    exerciserun.answertime = s_.services.clock.timer() - static_cast<float>(exerciserun.taskstart);
    // A task shown before midnight and answered after it: the time of day started again at 0.
    if (exerciserun.answertime < 0) exerciserun.answertime += kSecondsPerDay;
    r.totaltime += exerciserun.answertime;
    clearmessages();
    if (CommandHilf.Visible()) CommandHilf.setVisible(false);
    if (s_.task.pointmode || s_.settings.colourhitmode ||
        (kFeedbackDisplays & s_.settings.featuremask) != 0) {
        content::MapForm view = mapform();
        content::showtarget(s_, view);
    } else {
        // The judgement measures against the asked place even when its solution is not shown;
        // otherwise it would measure against the place of an earlier task.
        const content::DesignPoint at = content::placeposition(s_, s_.run.taskindex);
        s_.task.targetx = at.x, s_.task.targety = at.y;
    }
    exerciserun.answercorrect = false;
    std::int32_t answervalue = 0;
    if (s_.settings.flagbit0) {
        exerciserun.answercorrect =
            judgefind(s_, static_cast<std::uint32_t>(Point(exerciserun.clickx, exerciserun.clicky)));
        if (exerciserun.answercorrect) common::incr(r.correctcount);
        answervalue = exerciserun.answercorrect ? 1 : 0;
    } else {
        exerciserun.answercorrect = judgedistance(s_);
        answervalue = basic::CInt(exerciserun.lastdeviation);
    }
    showanswerfeedback(s_, *this);
    recordanswer(s_, answervalue);
    drawanswermark();
    showsystemcursor();
}

void FormKartino::showsummary() {
    if (s_.results.repeatnumber == 0) endrunstatistics(s_);
    content::MapForm view = mapform();
    content::clearheader(s_, view);
    clearmessages();
    LabelWeiter.Refresh();
    if (!common::fnbitset(s_.settings.featuremask, 9)) return;
    s_.exerciserun.summarytext = summaryline(s_);
    const std::int16_t row =
        common::fnmax<std::int16_t>(1, basic::checkedInteger(s_.exerciserun.maptextrow - 1));
    const double x =
        basic::CInt(common::screenx(s_.shared.screen, 320) - TextWidth(s_.exerciserun.summarytext) / 2);
    common::printrow(*this, s_.shared, s_.exerciserun.summarytext, row, x, kSummaryColour, kSummaryBack);
    LabelWeiter.setVisible(true);
}

} // namespace kartino::exercise
