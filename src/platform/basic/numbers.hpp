#pragma once
// Number conversions of the legacy runtime: Val, Str, CInt/CLng (halves to even, overflow
// error), CSng, Int (floor), and the checked arithmetic of 16- and 32-bit integers.
#include <cstdint>
#include <limits>
#include <string>
#include <string_view>

namespace kartino::basic {

// Val: the longest numeric prefix of the text (blanks skipped anywhere inside, "." as the
// decimal point, E/D exponents, &H/&O prefixes); 0 when there is no number.
double Val(std::string_view text);

// Str: one leading blank for non-negative numbers, no leading zero before the point,
// 7 significant digits for a Single and 15 for a Double, exponent form E+nn beyond that.
std::string Str(std::int16_t value);
std::string Str(std::int32_t value);
std::string Str(float value);
std::string Str(double value);

// The digits of Str without the sign blank, as Write # puts numbers into a file.
std::string numberText(float value);
std::string numberText(double value);

std::int16_t CInt(double value);         // error 6 outside -32768..32767 after rounding
std::int32_t CLng(double value);         // error 6 outside the 32-bit range after rounding
float CSngBeyond(double value);          // CSng of a NaN or of a value beyond the Single range
inline bool withinSingle(double value) { // finite and no larger than the largest Single
    constexpr double kSingleMax = std::numeric_limits<float>::max();
    return value >= -kSingleMax && value <= kSingleMax;
}
inline float CSng(double value) { // error 6 beyond the Single range
    return withinSingle(value) ? static_cast<float>(value) : CSngBeyond(value);
}
double Int(double value); // floor
double Fix(double value); // towards zero

// Round half to even, without range check.
double roundHalfEven(double value);

// Checked integer arithmetic: the result must fit the type, otherwise error 6.
std::int16_t checkedInteger(std::int64_t value);
std::int32_t checkedLong(std::int64_t value);

// Booleans are Integers holding -1 (true) or 0 (false).
constexpr std::int16_t basicBool(bool b) {
    return b ? -1 : 0;
}

} // namespace kartino::basic
