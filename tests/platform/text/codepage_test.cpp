#include "platform/text/codepage.hpp"

#include <gtest/gtest.h>

#include <iconv.h>
#include <map>
#include <optional>
#include <stdlib.h>

using namespace kartino::text;

namespace {

// One byte through glibc's iconv; nothing when iconv has no exact counterpart.
std::optional<unsigned char> viaIconv(const char *to, const char *from, unsigned char byte) {
    iconv_t cd = iconv_open(to, from);
    if (cd == reinterpret_cast<iconv_t>(-1)) return std::nullopt;
    char in[1] = {static_cast<char>(byte)};
    char out[8];
    char *ip = in, *op = out;
    std::size_t il = 1, ol = sizeof out;
    std::size_t r = iconv(cd, &ip, &il, &op, &ol);
    iconv_close(cd);
    if (r == static_cast<std::size_t>(-1) || op - out != 1) return std::nullopt;
    return static_cast<unsigned char>(out[0]);
}

std::string byteString(unsigned char b) {
    return std::string(1, static_cast<char>(b));
}

} // namespace

TEST(CodePage, ExactCounterpartsAgreeWithIconv) {
    for (auto [page, name] : {std::pair{CodePage::Oem850, "CP850"}, {CodePage::Oem437, "CP437"}}) {
        int exact = 0;
        for (int b = 0x80; b < 0x100; ++b) {
            auto expected = viaIconv("CP1252", name, static_cast<unsigned char>(b));
            if (!expected) continue;
            ++exact;
            EXPECT_EQ(oemToAnsi(byteString(static_cast<unsigned char>(b)), page), byteString(*expected))
                << name << " byte " << b;
            EXPECT_EQ(ansiToOem(byteString(*expected), page), byteString(static_cast<unsigned char>(b)))
                << name << " back from " << int(*expected);
        }
        EXPECT_GT(exact, 50) << name;
    }
}

TEST(CodePage, BestFitsOfCp850) {
    std::map<std::string, std::vector<int>> fits = {
        {"\xA6", {0xB0, 0xB1, 0xB2, 0xB3, 0xB4, 0xB9, 0xBA, 0xCC, 0xDB, 0xFE}},
        {"+", {0xBB, 0xBC, 0xBF, 0xC0, 0xC3, 0xC5, 0xC8, 0xC9, 0xCE, 0xD9, 0xDA}},
        {"-", {0xC1, 0xC2, 0xC4, 0xCA, 0xCB, 0xCD}},
        {"_", {0xDC}},
        {"\xAF", {0xDF}},
        {"i", {0xD5}},
        {"=", {0xF2}}};
    int count = 0;
    for (const auto &[result, bytes] : fits)
        for (int b : bytes) {
            EXPECT_EQ(oemToAnsi(byteString(static_cast<unsigned char>(b))), result) << "byte " << b;
            ++count;
        }
    // Every other upper-half byte has an exact counterpart.
    for (int b = 0x80; b < 0x100; ++b) {
        if (viaIconv("CP1252", "CP850", static_cast<unsigned char>(b))) continue;
        bool listed = false;
        for (const auto &[result, bytes] : fits)
            listed = listed || std::find(bytes.begin(), bytes.end(), b) != bytes.end();
        EXPECT_TRUE(listed) << "byte " << b << " has neither an exact counterpart nor a best fit";
    }
    EXPECT_EQ(count, 31);
}

TEST(CodePage, BestFitsOfCp437Greek) {
    std::string in = "\xE0\xE2\xE3\xE4\xE5\xE7\xE8\xE9\xEA\xEB\xEC\xED\xEE\xEF\xF0\xF2\xF3\xF4\xF5\xF7\xF9"
                     "\xFB\xFC\x9E\xA9";
    EXPECT_EQ(oemToAnsi(in, CodePage::Oem437), "aGpSstFTOd8fen===()\x98\xB7vnP\xAC");
}

TEST(CodePage, UmlautsRoundTripAndAsciiPasses) {
    std::string oem = "\x8E\x99\x9A\x84\x94\x81\xE1 Stra\xE1"
                      "e, 1-2\r\n";
    std::string ansi = oemToAnsi(oem);
    EXPECT_EQ(ansi, "\xC4\xD6\xDC\xE4\xF6\xFC\xDF Stra\xDF"
                    "e, 1-2\r\n");
    EXPECT_EQ(ansiToOem(ansi), oem);
    EXPECT_EQ(oemToAnsi("\xCD\xCD\xCD"), "---"); // the double separator line
}

TEST(CodePage, AnsiOnlyCharactersBecomeLookAlikes) {
    EXPECT_EQ(ansiToOem("\x80\x84\x93\x94\x96\x97\x85\x8A\x9A"), "E\"\"\"--.Ss");
    EXPECT_EQ(ansiToOem("\x81"), "?");
}

TEST(CodePage, CharsetSelectsTheGlyphPage) {
    EXPECT_EQ(codePageForCharset(0), CodePage::Ansi1252);
    EXPECT_EQ(codePageForCharset(238), CodePage::Ansi1250);
    EXPECT_EQ(codePageForCharset(1), CodePage::Ansi1252);
    EXPECT_EQ(toUnicode(CodePage::Ansi1250, 0xA5), U'\u0104');
    EXPECT_EQ(toUnicode(CodePage::Ansi1252, 0xA5), U'\u00A5');
    EXPECT_EQ(toUnicode(CodePage::Ansi1252, 0x8A), U'\u0160');
    EXPECT_EQ(toUnicode(CodePage::Oem850, 0xCD), U'\u2550');
}

TEST(CodePage, TablesAgreeWithIconvForEveryByte) {
    for (auto [page, name] : {std::pair{CodePage::Oem850, "CP850"},
                              {CodePage::Oem437, "CP437"},
                              {CodePage::Ansi1252, "CP1252"},
                              {CodePage::Ansi1250, "CP1250"}}) {
        iconv_t cd = iconv_open("UTF-32LE", name);
        ASSERT_NE(cd, reinterpret_cast<iconv_t>(-1)) << name;
        for (int b = 0x80; b < 0x100; ++b) {
            char in[1] = {static_cast<char>(b)};
            unsigned char out[4] = {};
            char *ip = in, *op = reinterpret_cast<char *>(out);
            std::size_t il = 1, ol = sizeof out;
            iconv(cd, nullptr, nullptr, nullptr, nullptr);
            bool defined = iconv(cd, &ip, &il, &op, &ol) != static_cast<std::size_t>(-1) && ol == 0;
            char32_t expected = defined ? out[0] | out[1] << 8 | out[2] << 16 : U'\uFFFD';
            EXPECT_EQ(toUnicode(page, static_cast<unsigned char>(b)), expected) << name << " byte " << b;
        }
        iconv_close(cd);
    }
}

TEST(CodePage, BoxDrawingOfCp437FollowsTheSamePattern) {
    // ╡ ╢ ╞ ╟ and the half blocks ▌ ▐ become broken bars, the other corners plus signs, the
    // tees with a horizontal stem minus signs.
    EXPECT_EQ(oemToAnsi("\xB5\xB6\xC6\xC7\xDD\xDE", CodePage::Oem437), "\xA6\xA6\xA6\xA6\xA6\xA6");
    EXPECT_EQ(oemToAnsi("\xB7\xB8\xBD\xBE\xD3\xD4\xD5\xD6\xD7\xD8", CodePage::Oem437), "++++++++++");
    EXPECT_EQ(oemToAnsi("\xCF\xD0\xD1\xD2\xCD", CodePage::Oem437), "-----");
    // The same bytes are letters in CP850.
    EXPECT_EQ(oemToAnsi("\xB5\xC6\xD0\xD7"), "\xC1\xE3\xF0\xCE");
    // Control bytes keep their value.
    EXPECT_EQ(oemToAnsi(std::string("\x01\x0F\x14\x1B\x7F", 5)), std::string("\x01\x0F\x14\x1B\x7F", 5));
}

TEST(CodePage, AccentedLettersMissingFromCp437LoseTheirAccent) {
    // À Ê Õ Ø ý have no place in CP437; Ä é ñ do.
    EXPECT_EQ(ansiToOem("\xC0\xCA\xD5\xD8\xFD", CodePage::Oem437), "AEOOy");
    EXPECT_EQ(ansiToOem("\xC4\xE9\xF1", CodePage::Oem437), "\x8E\x82\xA4");
    EXPECT_EQ(ansiToOem("\xC0\xCA\xD5\xD8\xFD"), "\xB7\xD2\xE5\x9D\xEC"); // all exact in CP850
    // Every 1252 byte becomes something printable or '?', never a control byte.
    for (CodePage page : {CodePage::Oem850, CodePage::Oem437})
        for (int b = 0x80; b < 0x100; ++b) {
            std::string out = ansiToOem(byteString(static_cast<unsigned char>(b)), page);
            ASSERT_EQ(out.size(), 1u);
            EXPECT_GE(static_cast<unsigned char>(out[0]), 0x20) << b;
        }
}
