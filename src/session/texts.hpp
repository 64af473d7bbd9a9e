#pragma once
// Every text the trainee sees: the numbered instruction texts of the language file "prb", its
// lists, and the lines built for the instruction screen.
#include <array>
#include <cstddef>
#include <string>

namespace kartino::session {

struct Texts {
    std::string prbheader1, prbheader2;
    std::array<std::string, 77> text{};              // instruction texts 0..76
    std::array<std::string, 21> instructionlist{};   // 1..13 used
    std::array<std::string, 21> helptexts{};         // 1..4 used
    std::array<std::string, 21> repeattexts{};       // 1..5 used
    std::array<std::string, 101> instructionlines{}; // 1.. up to the entry "*"
};

// Entries of `Texts::text` that the program uses; the language file holds the others only to
// keep its positions.
inline constexpr std::size_t kYesText = 0;              // caption of every yes button
inline constexpr std::size_t kNoText = 1;               // caption of every no button
inline constexpr std::size_t kRightText = 3;            // message of a right answer
inline constexpr std::size_t kTimeLimitText = 43;       // the time limit, " /" for its minutes
inline constexpr std::size_t kTimeLimitNote = 44;       // the line after the time limit
inline constexpr std::size_t kOfferQuestionText = 45;   // the question that offers the demonstration
inline constexpr std::size_t kDemoClosingText = 46;     // printed when the demonstration ends
inline constexpr std::size_t kDemoEndText = 47;         // caption of the demonstration's end button
inline constexpr std::size_t kTrimmedText = 48;         // the one entry kept trimmed of blanks; unused
inline constexpr std::size_t kHelpButtonText = 50;      // caption of the exercise's help button
inline constexpr std::size_t kWrongText = 53;           // message of a wrong answer
inline constexpr std::size_t kVariantQuestionText = 54; // the question above the variant row
inline constexpr std::size_t kYesKey = 56;              // upper-cased first letter of kYesText
inline constexpr std::size_t kNoKey = 57;               // upper-cased first letter of kNoText
inline constexpr std::size_t kGoOnText = 61;            // caption of the go-on label
inline constexpr std::size_t kGoOnKeys = 62;            // key codes that go on, separated by ","
inline constexpr std::size_t kDemoForwardText = 71;     // caption of the demonstration's forward button
inline constexpr std::size_t kDemoBackText = 72;        // caption of the demonstration's back button
inline constexpr std::size_t kRightTextPlain = 73;      // kRightText without its exclamation marks
inline constexpr std::size_t kWrongTextPlain = 74;      // kWrongText without its exclamation marks

// Entries of `Texts::instructionlist`.
inline constexpr std::size_t kHelpTimesText = 4;   // after the number of help steps
inline constexpr std::size_t kMapIntroText = 5;    // first line of the instruction screen
inline constexpr std::size_t kFindTaskText = 6;    // how a place is answered
inline constexpr std::size_t kToleranceBefore = 7; // before the allowed error in kilometres
inline constexpr std::size_t kToleranceAfter = 8;  // after the allowed error
inline constexpr std::size_t kPointsText = 13;     // before the points of the summary line

// Entries of `Texts::helptexts`.
inline constexpr std::size_t kHelpIntroText = 1; // that the program helps
inline constexpr std::size_t kHelpCountText = 2; // before the number of help steps

// Entries of `Texts::repeattexts`: the repetition offer at the end of a run, "<lead> <tasks>
// <middle> <wrong> <after><end>" and then the question with its "?".
inline constexpr std::size_t kRepeatLead = 1;     // before the number of tasks
inline constexpr std::size_t kRepeatMiddle = 2;   // before the number of wrong answers
inline constexpr std::size_t kRepeatAfter = 3;    // after the number of wrong answers
inline constexpr std::size_t kRepeatEnd = 4;      // joined to kRepeatAfter
inline constexpr std::size_t kRepeatQuestion = 5; // the question, before its "?"

// `Texts::instructionlines` starts at this entry, which stays empty: a blank first line.
inline constexpr std::size_t kFirstInstructionLine = 1;

} // namespace kartino::session
