#include "platform/text/codepage.hpp"

#include "platform/text/codepage_tables.hpp"

#include <cstdlib>
#include <cstring>
#include <unordered_map>

namespace kartino::text {

namespace {

const std::array<char32_t, 128> &upperHalf(CodePage page) {
    switch (page) {
    case CodePage::Oem850: return tables::kOem850;
    case CodePage::Oem437: return tables::kOem437;
    case CodePage::Ansi1252: return tables::kAnsi1252;
    case CodePage::Ansi1250: return tables::kAnsi1250;
    }
    return tables::kAnsi1252;
}

// Characters of the OEM pages that 1252 lacks, and the look-alike the legacy conversion puts
// in their place: box drawing by its shape (verticals and left tees a broken bar, corners,
// right tees and crosses a plus, horizontals a minus), Greek and mathematical signs by an
// ASCII letter or sign.
const std::unordered_map<char32_t, char> &bestFit1252() {
    static const std::unordered_map<char32_t, char> fits = [] {
        std::unordered_map<char32_t, char> m;
        for (char32_t c : {0x2591, 0x2592, 0x2593, 0x2502, 0x2524, 0x2561, 0x2562, 0x2563, 0x2560, 0x2551, 0x2588,
                           0x25A0, 0x258C, 0x2590})
            m[c] = '\xA6';
        for (char32_t c : {0x2557, 0x255D, 0x2510, 0x2514, 0x251C, 0x253C, 0x255A, 0x2554, 0x256C, 0x2518,
                           0x250C, 0x2556, 0x2555, 0x255C, 0x255B, 0x255E, 0x255F, 0x2559, 0x2558, 0x2552,
                           0x2553, 0x256B, 0x256A})
            m[c] = '+';
        for (char32_t c : {0x2534, 0x252C, 0x2500, 0x2569, 0x2566, 0x2550, 0x2567, 0x2568, 0x2564, 0x2565})
            m[c] = '-';
        m[0x2584] = '_';
        m[0x2580] = '\xAF';
        m[0x0131] = 'i';
        m[0x2017] = '=';
        const std::pair<char32_t, char> greek[] = {
            {0x03B1, 'a'}, {0x0393, 'G'}, {0x03C0, 'p'}, {0x03A3, 'S'}, {0x03C3, 's'}, {0x03C4, 't'},
            {0x03A6, 'F'}, {0x0398, 'T'}, {0x03A9, 'O'}, {0x03B4, 'd'}, {0x221E, '8'}, {0x03C6, 'f'},
            {0x03B5, 'e'}, {0x2229, 'n'}, {0x2261, '='}, {0x2265, '='}, {0x2264, '='}, {0x2320, '('},
            {0x2321, ')'}, {0x2248, '\x98'}, {0x2219, '\xB7'}, {0x221A, 'v'}, {0x207F, 'n'}, {0x20A7, 'P'},
            {0x2310, '\xAC'}};
        for (auto [c, b] : greek) m[c] = b;
        return m;
    }();
    return fits;
}

// Characters of 1252 that the OEM pages lack, with the look-alike written for them.
const std::unordered_map<char32_t, char> &lookAlikeOem() {
    static const std::unordered_map<char32_t, char> fits = {
        {0x20AC, 'E'}, {0x201A, ','}, {0x201E, '"'}, {0x2026, '.'}, {0x2020, '+'}, {0x2021, '+'},
        {0x02C6, '^'}, {0x2030, '%'}, {0x0160, 'S'}, {0x2039, '<'}, {0x0152, 'O'}, {0x017D, 'Z'},
        {0x2018, '\''}, {0x2019, '\''}, {0x201C, '"'}, {0x201D, '"'}, {0x2022, 'o'}, {0x2013, '-'},
        {0x2014, '-'}, {0x02DC, '~'}, {0x2122, 'T'}, {0x0161, 's'}, {0x203A, '>'}, {0x0153, 'o'},
        {0x017E, 'z'}, {0x0178, 'Y'}};
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

// The 1252 byte for every upper-half byte of an OEM page.
std::array<char, 128> oemToAnsiTable(CodePage page) {
    std::array<char, 128> table{};
    for (int b = 0x80; b < 0x100; ++b) {
        char32_t c = toUnicode(page, static_cast<unsigned char>(b));
        int exact = exactByte(CodePage::Ansi1252, c);
        auto it = bestFit1252().find(c);
        table[static_cast<std::size_t>(b - 0x80)] =
            exact >= 0 ? static_cast<char>(exact) : it == bestFit1252().end() ? '?' : it->second;
    }
    return table;
}

std::string oemToAnsi(std::string_view oem, CodePage oemPage) {
    static const std::array<char, 128> from850 = oemToAnsiTable(CodePage::Oem850);
    static const std::array<char, 128> from437 = oemToAnsiTable(CodePage::Oem437);
    const auto &table = oemPage == CodePage::Oem437 ? from437 : from850;
    std::string out(oem);
    for (char &ch : out) {
        auto b = static_cast<unsigned char>(ch);
        if (b >= 0x80) ch = table[b - 0x80];
    }
    return out;
}

std::string ansiToOem(std::string_view ansi, CodePage oemPage) {
    std::string out(ansi);
    for (char &ch : out) {
        auto b = static_cast<unsigned char>(ch);
        if (b < 0x80) continue;
        char32_t c = toUnicode(CodePage::Ansi1252, b);
        int exact = exactByte(oemPage == CodePage::Oem437 ? CodePage::Oem437 : CodePage::Oem850, c);
        if (exact >= 0) {
            ch = static_cast<char>(exact);
            continue;
        }
        auto it = lookAlikeOem().find(c);
        ch = it == lookAlikeOem().end() ? '?' : it->second;
    }
    return out;
}

CodePage codePageForCharset(int charsetnumber) {
    return charsetnumber == 238 ? CodePage::Ansi1250 : CodePage::Ansi1252;
}

CodePage oemCodePageFromEnvironment() {
    const char *v = std::getenv("KARTINO_OEM_CODEPAGE");
    return v && std::strcmp(v, "437") == 0 ? CodePage::Oem437 : CodePage::Oem850;
}

} // namespace kartino::text
