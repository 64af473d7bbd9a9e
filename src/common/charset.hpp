#pragma once
// The charset file "charset" in the data folder: lines of key,number that give the font
// character-set number for the key in settings entry 15.
#include "common/services.hpp"

#include <cstdint>

namespace kartino::common {

// The number of the first line whose key equals settings entry 15 without regard to case; 0
// when no line matches. Empty lines and lines without "," are skipped. Read as file 2; a
// failure is reported as "moduleB:ReadCharset" and ends the session.
std::int16_t ReadCharset(Services &services, Shared &shared);

} // namespace kartino::common
