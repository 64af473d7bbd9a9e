#pragma once
// The language file "prb" of the exercise folder, read once at start-up, and the lines of the
// instruction screen built from it and from the exercise settings.
#include "session/session.hpp"

namespace kartino::session {

inline constexpr int languageFileNumber = 2;
inline constexpr int maxInstructionLines = 50;

// Reads "prb"; a missing or short file is reported ("moduleA:prbinput") and ends the session.
void prbinput(Session &s);

// The text without a final "!", then without a leading inverted exclamation mark.
std::string withoutExclamation(const std::string &text);

void buildinstructionlines(Session &s);

} // namespace kartino::session
