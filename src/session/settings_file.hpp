#pragma once
// The host's settings file "CVOR": the design area, the host's flag words, the abort key and the
// random seed (three lines of list items), sixteen folder lines, and the suite folder.
#include "session/session.hpp"

namespace kartino::session {

inline constexpr int settingsFileNumber = 1;

// Reads the open-able file `currentfile` into the settings and the shared module and closes it.
// Run-time errors (a file with too few lines, a number out of range) reach the caller.
void readsettingsfile(Session &s);

} // namespace kartino::session
