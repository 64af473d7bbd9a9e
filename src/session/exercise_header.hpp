#pragma once
// The exercise parameters in the header line of the chosen map file: the parameter block
// between "<" and ">" (projection code, scale-bar kilometres and its design position) and the
// switches "/m=", "/9", "/k", "/x", "/u", "/2", "/-" and "/=". Read each time the trainee leaves
// the start screen.
#include "session/session.hpp"

#include <string_view>

namespace kartino::session {

// Map colours, presentsize and the header's parameters from `headerline`. A header without
// "<" and ">" raises the invalid-argument error; a number beyond 16 bits the overflow error.
void parseexerciseheader(Session &s, std::string_view headerline);

// Reads the map file's header (all its records, without thinning) and parses it. The reader
// reports its own failures; errors of the parse reach the caller.
void readexerciseheader(Session &s);

} // namespace kartino::session
