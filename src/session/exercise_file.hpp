#pragma once
// The exercise definition file of the exercise folder: free lines up to a "**" marker, the
// exercise texts up to the next "**", then blocks of parameters; the block that the command line
// names begins after its "***" marker (block 1 right after the texts), and its four parameter
// lines follow the next line that begins with "*".
#include "session/session.hpp"

namespace kartino::session {

inline constexpr int exerciseFileNumber = 1;
inline constexpr int maxVariants = 30;

// Reads `currentfile` (already found) and closes every file. Run-time errors reach the caller:
// the end of the file before the block (a block number beyond the blocks), a flag word beyond
// 16 bits, a number out of range.
void readexercisefile(Session &s);

// Splits `mapfile` at each "/" into variant names; what follows the last "/" stays the map file.
// More than 30 names raise the subscript error.
void splitvariants(Settings &st);

} // namespace kartino::session
