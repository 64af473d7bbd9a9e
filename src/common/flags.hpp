#pragma once
// Flag words (16-bit Integers tested bit by bit) and the mask literals "b1010…" they are
// written with.
#include <cstdint>
#include <string_view>

namespace kartino::common {

// True (-1) when bit `bit` of `flags` is set, else false (0).
std::int16_t fnbitset(std::int32_t flags, std::int32_t bit);

// A mask literal: blanks skipped, then "b"/"B" and binary digits (anything but "1" counts as 0),
// or else a plain decimal number; rounded to a 32-bit integer.
std::int32_t fnbits(std::string_view text);

} // namespace kartino::common
