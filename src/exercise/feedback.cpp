#include "exercise/feedback.hpp"

#include "common/design_screen.hpp"
#include "common/errors.hpp"
#include "common/fields.hpp"
#include "common/flags.hpp"
#include "common/suite_library.hpp"
#include "common/text_grid.hpp"
#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"
#include "platform/ui/application.hpp"
#include "session/result_records.hpp"

namespace kartino::exercise {

namespace {

using basic::Str;

// Feature mask bits of the find mode's feedback.
constexpr int kFanfareBit = 0;
constexpr int kWarningBit = 1;
constexpr int kRightTextBit = 2;
constexpr int kWrongTextBit = 3;
// Any of these bits asks for the kilometre text in distance mode.
constexpr const char *kSolutionMask = "b100011100";

constexpr const char *kPlaceholder = " /";

bool featurebit(const session::Session &s, int bit) {
    return common::fnbitset(s.settings.featuremask, bit) != 0;
}

// The run's task count as a divisor: a run of no tasks is the legacy division by zero.
double taskdivisor(const session::Session &s) {
    if (s.settings.taskcount == 0) basic::raise(basic::errDivisionByZero);
    return s.settings.taskcount;
}

std::int16_t placenumberof(const session::Session &s, std::int16_t index) {
    if (index < 0 || index >= content::kPlaceSlots) basic::raise(basic::errSubscript);
    return s.places.placenumber[static_cast<std::size_t>(index)];
}

// Prints the feedback text on the message row, centred on design x `centre`, white on black.
void showmessage(session::Session &s, ui::Form &form, double centre) {
    const std::string &text = s.exerciserun.messagetext;
    double x = basic::CInt(common::screenx(s.shared.screen, centre) - form.TextWidth(text) / 2);
    common::printrow(form, s.shared, text, s.map.messagerow, x, 7, 0);
}

void findmodefeedback(session::Session &s, ui::Form &form) {
    const bool right = s.exerciserun.answercorrect;
    s.exerciserun.messagetext = s.texts.text[right ? session::kRightText : session::kWrongText];
    if (featurebit(s, right ? kFanfareBit : kWarningBit))
        form.app().sndPlaySound(right ? s.settings.fanfaresound : s.settings.warnsound);
    if (featurebit(s, right ? kRightTextBit : kWrongTextBit)) showmessage(s, form, 320);
}

void distancemodefeedback(session::Session &s, ui::Form &form) {
    if ((common::fnbits(kSolutionMask) & s.settings.featuremask) == 0) return;
    s.exerciserun.messagetext =
        common::fnreplace(s.settings.exercisetexts[session::kKilometreText], kPlaceholder,
                          Str(basic::CInt(s.exerciserun.lastdeviation)));
    showmessage(s, form, 312);
}

} // namespace

std::string helpcode(const session::Session &s, std::int16_t n) {
    if (!s.settings.helpallowed) return "-";
    std::string code = common::trim(Str(n));
    return code.size() == 1 ? code : "9";
}

std::string feedbackline1(const session::Session &s) {
    if (s.settings.flagbit0) {
        // Integer arithmetic up to the division, as the right-answer count is an Integer.
        double percent = basic::checkedInteger(s.results.correctcount * 100) / taskdivisor(s);
        return s.texts.text[session::kRightTextPlain] + " " + Str(common::ROUNDX(percent, 2)) + "%";
    }
    // The kilometre sum is a Single, and so is its mean.
    float mean = s.exerciserun.deviationsum / static_cast<float>(taskdivisor(s));
    return s.settings.exercisetexts[session::kMeanErrorText] + Str(common::ROUNDX(mean, 2)) + " km.";
}

std::string feedbackline2(const session::Session &s) {
    return common::fnreplace(s.settings.exercisetexts[session::kDemoTimeText], kPlaceholder,
                             Str(common::ROUNDX(s.results.offeranswer.toDouble(), 2))) +
           ".";
}

// A run followed by a repetition offer leaves no FB.DAT: the file belongs to the run that ends
// the session. Otherwise FB.DAT is created anew in the OEM code page and result20 marks the
// fields of the record as valid together with it.
//
// FB.DAT that cannot be written (a read-only result folder, a folder of that name) is reported
// like every failed file: the box of the error handler, which also tries the line in
// errwin.dat and closes all files (no file of the run is needed any more: a run that writes
// FB.DAT is never followed by a repetition). result20 then keeps the value of a run without
// FB.DAT, so the host does not take the missing file for a result, and the session goes on to
// write its record and end normally.
void writefeedbackfile(session::Session &s) {
    session::Results &r = s.results;
    if (common::fnbitset(s.settings.hostoptions, 2) && r.repeatcount != 0) {
        r.result20 = static_cast<std::int16_t>(common::fnbits("b1"));
    } else {
        std::string line1 = feedbackline1(s);
        bool second = r.offeranswer.toDouble() > 0;
        std::string line2 = second ? feedbackline2(s) : std::string();
        try {
            s.shared.currentfile = s.shared.settingspaths[common::kResultFolder] + "FB.DAT";
            s.services.files.close(feedbackFileNumber);
            s.services.files.open(feedbackFileNumber, s.shared.currentfile, basic::OpenMode::Output);
            s.services.files.print(feedbackFileNumber, common::fnoem(s.services, line1));
            if (second) s.services.files.print(feedbackFileNumber, common::fnoem(s.services, line2));
            s.services.files.close(feedbackFileNumber);
            r.result20 = static_cast<std::int16_t>(common::fnbits("b101010100111"));
        } catch (const basic::RuntimeError &e) {
            common::errhandler(s.services, s.shared, e, "formkartino:writefeedbackfile");
            r.result20 = static_cast<std::int16_t>(common::fnbits("b1"));
        }
        s.shared.currentfile.clear();
    }
    session::writesessionrecord(s);
}

void showanswerfeedback(session::Session &s, ui::Form &form) {
    if (s.settings.flagbit0)
        findmodefeedback(s, form);
    else
        distancemodefeedback(s, form);
}

void recordanswer(session::Session &s, std::int32_t answervalue) {
    session::Results &r = s.results;
    s.exerciserun.lastanswer = Str(answervalue);
    if (r.repeatnumber != 0) return;
    r.tasklist1 += s.exerciserun.lastanswer + ",";
    r.tasklist2 += Str(s.exerciserun.answertime) + ",";
    r.tasklist3 += Str(placenumberof(s, s.run.taskindex)) + ",";
    r.tasklist4 += helpcode(s, s.exerciserun.helpused);
    r.answeredcount = r.tasknumber;
}

std::string summaryline(const session::Session &s) {
    std::string line = feedbackline1(s);
    if (s.results.repeatnumber == 0)
        line += "    " + s.texts.instructionlist[session::kPointsText] + " " +
                Str(common::ROUNDX(s.results.result2.toDouble(), 2));
    return line;
}

} // namespace kartino::exercise
