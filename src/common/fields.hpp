#pragma once
// Comma-separated field lists and text replacement.
#include <cstdint>
#include <string>
#include <string_view>

namespace kartino::common {

// The text before the first ",", trimmed of blanks; `list` keeps what follows that comma.
// A list without "," is the caller's error: invalid procedure call (5).
std::string fnnextfield(std::string &list);

// Every occurrence of `find`, scanned left to right without overlap, replaced.
std::string fnreplace(std::string_view text, std::string_view find, std::string_view replacement);

// True when one of the fields of `keylist` has the numeric value `code`.
std::int16_t fninlist(const std::string &keylist, std::int16_t code);

// UCase$ of ANSI text: ASCII and the accented letters of the Western code page.
std::string ucase(std::string_view text);

// Trim$: leading and trailing blanks removed.
std::string trim(std::string_view text);

} // namespace kartino::common
