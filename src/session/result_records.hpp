#pragma once
// R.DAT, the result file the host reads: protocol lines, the session record of a run, the
// cancel record and the record of the demonstration-only mode; and the exits of the program,
// which close every file and end the process by unwinding (ui::SessionEnd).
#include "session/session.hpp"

#include <cstdint>
#include <string>

namespace kartino::session {

inline constexpr int resultFileNumber = 1;
inline constexpr int repeatFileNumber = 3;

void protocolline(Session &s, const std::string &code, const std::string &answer, std::int32_t value);
void writesessionrecord(Session &s);
[[noreturn]] void endsession(Session &s);
[[noreturn]] void finishsession(Session &s);
void writedemorecord(Session &s);
void resetrun(Session &s);

// Closes every file and ends the process with the exit code (after the caller's last record).
[[noreturn]] void endprocess(Session &s, int exitCode);

} // namespace kartino::session
