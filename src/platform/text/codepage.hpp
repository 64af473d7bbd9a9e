#pragma once
// Single-byte code pages of the suite's data: the OEM (DOS) pages 850 and 437 in which data
// files are written, and the ANSI pages 1252 (Western) and 1250 (Central European) in which
// the program holds its texts and through which glyphs are looked up.
#include <string>
#include <string_view>

namespace kartino::text {

enum class CodePage { Oem850, Oem437, Ansi1252, Ansi1250 };

// The Unicode character of one byte in a code page; U+FFFD where the page defines none.
char32_t toUnicode(CodePage page, unsigned char byte);

// OemToCharA / CharToOemA: OEM text to ANSI 1252 and back, with the best-fit replacements of
// the legacy conversion ('?' where there is no counterpart at all). Bytes below 0x80 pass unchanged.
std::string oemToAnsi(std::string_view oem, CodePage oemPage = CodePage::Oem850);
std::string ansiToOem(std::string_view ansi, CodePage oemPage = CodePage::Oem850);

// One character appended in UTF-8, and ANSI 1252 text as UTF-8 (for file names on this
// machine, the window system and the trace).
void appendUtf8(std::string &out, char32_t c);
std::string ansiToUtf8(std::string_view ansi);

// The ANSI code page a font's character-set number selects (0 Western, 238 Central European;
// others fall back to Western).
CodePage codePageForCharset(int charsetnumber);

} // namespace kartino::text
