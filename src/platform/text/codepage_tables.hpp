#pragma once
// The upper halves of the supported code pages as Unicode (U+FFFD where a byte is undefined).
#include <array>

namespace kartino::text::tables {

extern const std::array<char32_t, 128> kOem850;
extern const std::array<char32_t, 128> kOem437;
extern const std::array<char32_t, 128> kAnsi1252;
extern const std::array<char32_t, 128> kAnsi1250;

} // namespace kartino::text::tables
