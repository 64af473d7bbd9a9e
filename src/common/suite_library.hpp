#pragma once
// Number rounding and picture formatting of the suite's helper library, in our own code.
#include <string>
#include <string_view>

namespace kartino::common {

// The value rounded to `decimals` places, halves away from zero, judged on the value's decimal
// spelling (so 2.675 rounds to 2.68 as a person expects, not to the binary neighbour's 2.67).
double ROUNDX(double value, int decimals);

// The number formatted by a picture of "#" (a digit, or a blank where there is none) and "0"
// (a digit, or "0"), with an optional "." followed by the decimals. The number is rounded to
// the picture's decimals (halves away from zero), right-aligned in the picture's width; a minus
// sign takes one place; a number too wide for the picture is written whole. So "###" gives
// exactly three characters for 0 to 999, "######" six for -99999 to 999999.
std::string FORMATPBDLL(double value, std::string_view picture);

// FORMATPBDLL with every "," of the result replaced by ".".
std::string fnformat(std::string_view picture, double number);

} // namespace kartino::common
