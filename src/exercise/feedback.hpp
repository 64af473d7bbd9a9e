#pragma once
// What the trainee sees and hears after each answer, the per-task lists that go into the
// session record, the summary line of a run and the short result file "FB.DAT" the host reads
// after a run that is not followed by a repetition offer.
#include "platform/ui/form.hpp"
#include "session/session.hpp"

#include <cstdint>
#include <string>

namespace kartino::exercise {

inline constexpr int feedbackFileNumber = 2;

// The help code of a task for the fourth task list: the number of help steps as one digit
// ("9" for ten or more), or "-" when the exercise allows no help.
std::string helpcode(const session::Session &s, std::int16_t n);

// The two lines of FB.DAT. Line 1 is the per cent right (find mode) or the mean kilometre
// error (distance mode) of the run; line 2, written only when a demonstration time was
// recorded, states that time.
std::string feedbackline1(const session::Session &s);
std::string feedbackline2(const session::Session &s);

// End of a run: FB.DAT (unless a repetition will be offered), result20, then the session record.
void writefeedbackfile(session::Session &s);

// The feedback right after a judged answer: the right/wrong text and sound in find mode, the
// kilometre error in distance mode, each as the feature mask asks for, on the message row.
void showanswerfeedback(session::Session &s, ui::Form &form);

// Keeps the task's answer value and, in the first run, appends the task to the four task lists.
void recordanswer(session::Session &s, std::int32_t answervalue);

// The summary line after the last task: FB.DAT line 1, in the first run followed by the points.
std::string summaryline(const session::Session &s);

} // namespace kartino::exercise
