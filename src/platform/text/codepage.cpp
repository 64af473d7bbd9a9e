#include "platform/text/codepage.hpp"

#include "platform/text/codepage_tables.hpp"

#include <unordered_map>

namespace kartino::text {

namespace {

const std::array<char32_t, 128> &upperHalf(CodePage page) {
    switch (page) {
    case CodePage::Oem850:
        return tables::kOem850;
    case CodePage::Oem437:
        return tables::kOem437;
    case CodePage::Ansi1252:
        return tables::kAnsi1252;
    case CodePage::Ansi1250:
        return tables::kAnsi1250;
    }
    return tables::kAnsi1252;
}

// Characters of the OEM pages that 1252 lacks, and the best fit the legacy conversion puts in
// their place. Box drawing goes by shape: verticals, the light tee ┤ and the tees with a double
// part ╞ ╟ ╠ ╡ ╢ ╣ a broken bar; corners, the light tee ├ and crosses a plus; horizontals and
// the tees ┬ ┴ ╤ … ╩ a minus; blocks and shades a broken bar. Greek and mathematical signs
// become an ASCII letter or sign.
const std::unordered_map<char32_t, char> &bestFit1252() {
    static const std::unordered_map<char32_t, char> fits = [] {
        std::unordered_map<char32_t, char> m;
        for (char32_t c : {0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x255E, 0x255F, 0x2560, 0x2561, 0x2562,
                           0x2563, 0x2551, 0x2588, 0x25A0, 0x258C, 0x2590})
            m[c] = '\xA6';
        for (char32_t c :
             {0x2557, 0x255D, 0x2510, 0x2514, 0x251C, 0x253C, 0x255A, 0x2554, 0x256C, 0x2518, 0x250C,
              0x2556, 0x2555, 0x255C, 0x255B, 0x2559, 0x2558, 0x2552, 0x2553, 0x256B, 0x256A})
            m[c] = '+';
        for (char32_t c : {0x2534, 0x252C, 0x2500, 0x2569, 0x2566, 0x2550, 0x2567, 0x2568, 0x2564, 0x2565})
            m[c] = '-';
        m[0x2584] = '_';
        m[0x2580] = '\xAF';
        m[0x0131] = 'i';
        m[0x2017] = '=';
        const std::pair<char32_t, char> greek[] = {
            {0x03B1, 'a'},    {0x0393, 'G'}, {0x03C0, 'p'}, {0x03A3, 'S'}, {0x03C3, 's'},
            {0x03C4, 't'},    {0x03A6, 'F'}, {0x0398, 'T'}, {0x03A9, 'O'}, {0x03B4, 'd'},
            {0x221E, '8'},    {0x03C6, 'f'}, {0x03B5, 'e'}, {0x2229, 'n'}, {0x2261, '='},
            {0x2265, '='},    {0x2264, '='}, {0x2320, '('}, {0x2321, ')'}, {0x2248, '\x98'},
            {0x2219, '\xB7'}, {0x221A, 'v'}, {0x207F, 'n'}, {0x20A7, 'P'}, {0x2310, '\xAC'}};
        for (auto [c, b] : greek)
            m[c] = b;
        return m;
    }();
    return fits;
}

// Characters of 1252 that an OEM page lacks, with the ASCII look-alike written for them (there is
// no published best-fit table for this direction): typographic quotes and dashes by their plain
// forms, letters with a caron or ligatures by the base letter, the euro sign E, the trade mark
// T, daggers a plus, the bullet an o. Letters with an accent that CP437 lacks (À, Ê, Õ …) become
// the unaccented letter; the remaining signs become '?'.
const std::unordered_map<char32_t, char> &lookAlikeOem() {
    static const std::unordered_map<char32_t, char> fits = {
        {0x20AC, 'E'},  {0x201A, ','},  {0x201E, '"'}, {0x2026, '.'},  {0x2020, '+'}, {0x2021, '+'},
        {0x02C6, '^'},  {0x2030, '%'},  {0x0160, 'S'}, {0x2039, '<'},  {0x0152, 'O'}, {0x017D, 'Z'},
        {0x2018, '\''}, {0x2019, '\''}, {0x201C, '"'}, {0x201D, '"'},  {0x2022, 'o'}, {0x2013, '-'},
        {0x2014, '-'},  {0x02DC, '~'},  {0x2122, 'T'}, {0x0161, 's'},  {0x203A, '>'}, {0x0153, 'o'},
        {0x017E, 'z'},  {0x0178, 'Y'},  {0x0192, 'f'}, {0x00A6, '|'},  {0x00A8, '"'}, {0x00A9, 'c'},
        {0x00AE, 'r'},  {0x00AF, '-'},  {0x00B3, '3'}, {0x00B4, '\''}, {0x00B8, ','}, {0x00B9, '1'},
        {0x00C0, 'A'},  {0x00C1, 'A'},  {0x00C2, 'A'}, {0x00C3, 'A'},  {0x00C8, 'E'}, {0x00CA, 'E'},
        {0x00CB, 'E'},  {0x00CC, 'I'},  {0x00CD, 'I'}, {0x00CE, 'I'},  {0x00CF, 'I'}, {0x00D0, 'D'},
        {0x00D2, 'O'},  {0x00D3, 'O'},  {0x00D4, 'O'}, {0x00D5, 'O'},  {0x00D7, 'x'}, {0x00D8, 'O'},
        {0x00D9, 'U'},  {0x00DA, 'U'},  {0x00DB, 'U'}, {0x00DD, 'Y'},  {0x00E3, 'a'}, {0x00F0, 'd'},
        {0x00F5, 'o'},  {0x00F8, 'o'},  {0x00FD, 'y'}};
    return fits;
}

// Unicode to a byte of `page`: the exact counterpart, else -1.
int exactByte(CodePage page, char32_t c) {
    if (c < 0x80) return static_cast<int>(c);
    const auto &half = upperHalf(page);
    for (int i = 0; i < 128; ++i)
        if (half[static_cast<std::size_t>(i)] == c) return 0x80 + i;
    return -1;
}

} // namespace

char32_t toUnicode(CodePage page, unsigned char byte) {
    if (byte < 0x80) return byte;
    return upperHalf(page)[byte - 0x80];
}

namespace {

using HalfTable = std::array<char, 128>;

// The 1252 byte for every upper-half byte of an OEM page.
HalfTable oemToAnsiTable(CodePage page) {
    HalfTable table{};
    for (int b = 0x80; b < 0x100; ++b) {
        char32_t c = toUnicode(page, static_cast<unsigned char>(b));
        int exact = exactByte(CodePage::Ansi1252, c);
        auto it = bestFit1252().find(c);
        table[static_cast<std::size_t>(b - 0x80)] = exact >= 0                  ? static_cast<char>(exact)
                                                    : it == bestFit1252().end() ? '?'
                                                                                : it->second;
    }
    return table;
}

// The OEM byte for every upper-half byte of 1252.
HalfTable ansiToOemTable(CodePage page) {
    HalfTable table{};
    for (int b = 0x80; b < 0x100; ++b) {
        char32_t c = toUnicode(CodePage::Ansi1252, static_cast<unsigned char>(b));
        int exact = exactByte(page, c);
        auto it = lookAlikeOem().find(c);
        table[static_cast<std::size_t>(b - 0x80)] = exact >= 0                   ? static_cast<char>(exact)
                                                    : it == lookAlikeOem().end() ? '?'
                                                                                 : it->second;
    }
    return table;
}

std::string translateUpperHalf(std::string_view in, const HalfTable &table) {
    std::string out(in);
    for (char &ch : out) {
        auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80) ch = table[b - 0x80];
    }
    return out;
}

} // namespace

std::string oemToAnsi(std::string_view oem, CodePage oemPage) {
    static const HalfTable from850 = oemToAnsiTable(CodePage::Oem850);
    static const HalfTable from437 = oemToAnsiTable(CodePage::Oem437);
    return translateUpperHalf(oem, oemPage == CodePage::Oem437 ? from437 : from850);
}

std::string ansiToOem(std::string_view ansi, CodePage oemPage) {
    static const HalfTable to850 = ansiToOemTable(CodePage::Oem850);
    static const HalfTable to437 = ansiToOemTable(CodePage::Oem437);
    return translateUpperHalf(ansi, oemPage == CodePage::Oem437 ? to437 : to850);
}

void appendUtf8(std::string &out, char32_t c) {
    if (c < 0x80) {
        out += static_cast<char>(c);
    } else if (c < 0x800) {
        out += static_cast<char>(0xC0 | (c >> 6));
        out += static_cast<char>(0x80 | (c & 0x3F));
    } else {
        out += static_cast<char>(0xE0 | (c >> 12));
        out += static_cast<char>(0x80 | ((c >> 6) & 0x3F));
        out += static_cast<char>(0x80 | (c & 0x3F));
    }
}

std::string ansiToUtf8(std::string_view ansi) {
    std::string out;
    for (unsigned char b : ansi)
        appendUtf8(out, toUnicode(CodePage::Ansi1252, b));
    return out;
}

CodePage codePageForCharset(int charsetnumber) {
    return charsetnumber == 238 ? CodePage::Ansi1250 : CodePage::Ansi1252;
}

} // namespace kartino::text
