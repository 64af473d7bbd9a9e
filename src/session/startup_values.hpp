#pragma once
// Values the start-up derives from the command line, the settings file and the exercise block:
// sound files, the exercise flag bits, help and time-limit offers, the demonstration texts.
#include "session/session.hpp"

namespace kartino::session {

// The options column becomes the Boolean of its bit 1; sound file paths; the run counters.
void setstartvalues(Session &s);

// The flag Booleans of the exercise flag word, helpcount, starttime, halftasks and the result
// fields that start-up fills.
void deriveflags(Session &s);

// Exercise text 15 split at its first "/" into the two demonstration labels; a text without "/"
// raises the invalid-argument error.
void splitdemotext(Settings &st);

// helpallowed: the host allows help and the block has help steps.
void sethelpallowed(Session &s);

// timelimitoffer: a time limit of more than 0 seconds that the host or the block asks for.
// A negative limit becomes an hour.
void timelimitrule(Settings &st);

} // namespace kartino::session
