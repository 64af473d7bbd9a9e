#pragma once
// Composing the working palette from the colour switches of the map header when the exercise
// or demonstration form loads.
#include "common/services.hpp"

#include <string_view>

namespace kartino::common {

// Without "/c" in the header's first field the working colours 0..15 are the built-in
// defaults. With "/c", the fields after the first hold n redefinitions of pal64 entries (index
// 0..64, then red, green and blue in 0..63, each multiplied by 4), n given by "/p" (0 without
// it), followed by the 16 pal64 indices of working colours 0 to 15. Uses linebuffer.
// Bad data is not caught here: an index outside 0..64 raises the subscript error (9), a
// component above 63 the overflow (6), too few fields the invalid call (5).
void composepalette(Shared &shared, std::string_view headerline);

} // namespace kartino::common
