#pragma once
// The state of a run of tasks on the exercise form: where the run stands, the pointing and the
// answer mark, the judgement of the last answer and the values the run's statistics keep at its
// half. The session-record fields the run fills live in Results.
#include <cstdint>
#include <string>

namespace kartino::exercise {

struct ExerciseRun {
    // The run's progress (the current task number is Results::tasknumber).
    bool awaitingclick = false; // a task is shown and no click has been accepted yet
    bool runfinished = false;   // the end-of-run files are written
    bool summaryshown = false;  // the summary is up and the next go-on ends the run
    double taskstart = 0;       // Timer when the current task was shown
    std::int16_t helpused = 0;  // help steps taken in the current task
    std::int16_t helprow = 2;   // text row and column of the first help line (the right-hand column)
    std::int16_t helpcolumn = 52;
    std::int16_t maptextrow = 30; // text row below the map

    // The drawn cross-hair, in form pixels.
    bool systemcursor = true; // the system cursor is shown: the pointer is outside the map
    double crossx = 0, crossy = 0;
    std::int16_t crossarm = 0;
    double crossboxw = 0, crossboxh = 0;

    // The accepted click and the answer mark on it, in form pixels.
    std::int16_t clickx = 0, clicky = 0;
    std::int16_t markx = 0, marky = 0;
    std::int16_t markleft = 0, markright = 0, marktop = 0, markbottom = 0;

    // The judgement of the current answer.
    float answertime = 0; // seconds from taskstart to the accepted click
    bool answercorrect = false;
    float lastdeviation = 0; // kilometre error in distance mode
    float deviationsum = 0;  // sum of the run's kilometre errors
    std::string messagetext; // the feedback text of the current answer
    std::string lastanswer;  // Str of the current task's answer value
    std::string summarytext; // the summary line of the run

    // The first run's values at its half.
    std::int16_t halfcorrect = 0;
    std::int16_t halfhelps = 0;
    float halfdeviation = 0;
    double halftime = 0;
};

} // namespace kartino::exercise
