#include "platform/text/font.hpp"

#include <gtest/gtest.h>

#include <ft2build.h>
#include FT_FREETYPE_H

#include <cmath>
#include <limits>
#include <string>

using namespace kartino;
using text::Font;
using text::FontSpec;

namespace {

constexpr gfx::Colour kWhite = 0xFFFFFF;
constexpr gfx::Colour kInk = 0x123456;

// A face of the same file opened directly with FreeType, for independent measurements.
class RawFace {
  public:
    RawFace(const std::string &file, int pixels) {
        EXPECT_EQ(FT_Init_FreeType(&lib_), 0);
        EXPECT_EQ(FT_New_Face(lib_, file.c_str(), 0, &face_), 0) << file;
        FT_Set_Pixel_Sizes(face_, 0, static_cast<FT_UInt>(pixels));
    }
    ~RawFace() {
        FT_Done_Face(face_);
        FT_Done_FreeType(lib_);
    }
    int hintedAdvance(char32_t c) {
        EXPECT_EQ(FT_Load_Char(face_, c, FT_LOAD_TARGET_MONO | FT_LOAD_NO_BITMAP), 0);
        return static_cast<int>((face_->glyph->advance.x + 32) >> 6);
    }
    unsigned index(char32_t c) { return FT_Get_Char_Index(face_, c); }

  private:
    FT_Library lib_ = nullptr;
    FT_Face face_ = nullptr;
};

// The fonts every test opens from, as one application's.
text::Fonts &fonts() {
    static text::Fonts opened;
    return opened;
}

FontSpec fontspec(const std::string &name, double points, bool bold = false, int charset = 0) {
    FontSpec s;
    s.name = name;
    s.points = points;
    s.bold = bold;
    s.charset = charset;
    return s;
}

// The bounding box of the pixels that are not white; checks that they all hold the ink.
gfx::Rect inkBox(const gfx::Surface &s) {
    gfx::Rect box;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x) {
            if (s.at(x, y) == kWhite) continue;
            EXPECT_EQ(s.at(x, y), kInk) << "half-tone pixel at " << x << "," << y;
            box = box.unite({x, y, x + 1, y + 1});
        }
    return box;
}

} // namespace

TEST(Font, ArialIsLiberationSansAndTextWidthIsTheHintedAdvanceSum) {
    Font font = fonts().open(fontspec("Arial", 12), 96);
    EXPECT_EQ(font.pixelSize(), 16);
    EXPECT_NE(font.file().find("LiberationSans-Regular"), std::string::npos) << font.file();
    EXPECT_EQ(fonts().resolvedFile("Arial", false, false), font.file());

    RawFace raw(font.file(), 16);
    const std::string sample = "Kartino: Wo liegt Hamburg? 1234 WAVE";
    int sum = 0;
    for (char c : sample)
        sum += raw.hintedAdvance(static_cast<unsigned char>(c));
    EXPECT_EQ(font.textWidth(sample), sum);
    EXPECT_EQ(font.textWidth(""), 0);
}

TEST(Font, PrintStaysInsideTextWidthByTextHeight) {
    const std::string samples[] = {"Kartino \xC4pfel gjq \xC7\xE7 \xC5\xC9 (Berlin)", "MWQ_|",
                                   "Zeile eins\r\nZwei\r3"};
    for (double points : {8.25, 9.75, 12.0, 18.0})
        for (bool bold : {false, true})
            for (const std::string &sample : samples) {
                Font font = fonts().open(fontspec("Arial", points, bold), 96);
                gfx::Surface s(400, 120, kWhite);
                gfx::Rect changed = font.drawText(s, 10, 7, sample, kInk);
                gfx::Rect ink = inkBox(s);
                ASSERT_FALSE(ink.empty());
                EXPECT_EQ(changed, ink) << sample;
                gfx::Rect cell{10, 7, 10 + font.textWidth(sample), 7 + font.textHeight(sample)};
                EXPECT_EQ(ink.intersect(cell), ink) << sample << " at " << points << (bold ? " bold" : "");
            }
}

TEST(Font, LinesAndTheirPitch) {
    Font font = fonts().open(fontspec("Arial", 12), 96);
    EXPECT_EQ(font.lineHeight(), font.ascent() + font.descent() + 1); // Liberation Sans has a line gap
    EXPECT_EQ(font.lineHeight(), 20);
    EXPECT_EQ(fonts().open(fontspec("Arial", 8.25), 96).lineHeight(), 14); // widened for accented capitals
    EXPECT_EQ(font.textHeight(""), font.lineHeight());
    EXPECT_EQ(font.textHeight("Hallo"), font.lineHeight());
    for (const char *twoLines : {"ab\r\nWWW", "ab\rWWW", "ab\nWWW"}) {
        EXPECT_EQ(font.textHeight(twoLines), 2 * font.lineHeight()) << twoLines;
        EXPECT_EQ(font.textWidth(twoLines), font.textWidth("WWW")) << twoLines;
    }
    EXPECT_EQ(font.textHeight("a\r\n"), 2 * font.lineHeight());

    // The second line is the first drawn one line pitch lower.
    gfx::Surface both(200, 60, kWhite), single(200, 60, kWhite);
    font.drawText(both, 3, 2, "\r\nXy", kInk);
    font.drawText(single, 3, 2 + font.lineHeight(), "Xy", kInk);
    EXPECT_EQ(inkBox(both), inkBox(single));
}

TEST(Font, TextWidthIsWhereTheNextPrintContinues) {
    Font font = fonts().open(fontspec("Arial", 9.75), 96);
    gfx::Surface whole(300, 40, kWhite), pieces(300, 40, kWhite);
    font.drawText(whole, 5, 5, "Kilometer: 372", kInk);
    int x = 5;
    for (std::string piece : {"Kilo", "meter", ": ", "372"}) {
        font.drawText(pieces, x, 5, piece, kInk);
        x += font.textWidth(piece);
    }
    for (int y = 0; y < whole.height(); ++y)
        for (int px = 0; px < whole.width(); ++px)
            ASSERT_EQ(whole.at(px, y), pieces.at(px, y)) << px << "," << y;
}

TEST(Font, BoldIsWiderAndUsesTheBoldFace) {
    Font regular = fonts().open(fontspec("Arial", 12), 96);
    Font bold = fonts().open(fontspec("Arial", 12, true), 96);
    EXPECT_GT(bold.textWidth("Kartino Aufgabe"), regular.textWidth("Kartino Aufgabe"));
    EXPECT_NE(bold.file().find("LiberationSans-Bold"), std::string::npos) << bold.file();
}

TEST(Font, CharsetSelectsTheCodePageOfTheGlyphs) {
    Font western = fonts().open(fontspec("Arial", 12, false, 0), 96);
    Font central = fonts().open(fontspec("Arial", 12, false, 238), 96);
    RawFace raw(western.file(), 16);
    EXPECT_EQ(western.glyphIndex(0x8A), raw.index(U'\u0160')); // Š in both pages
    EXPECT_EQ(central.glyphIndex(0x8A), raw.index(U'\u0160'));
    EXPECT_EQ(western.glyphIndex(0xA5), raw.index(U'\u00A5')); // ¥
    EXPECT_EQ(central.glyphIndex(0xA5), raw.index(U'\u0104')); // Ą
    EXPECT_EQ(central.glyphIndex(0xE8), raw.index(U'\u010D')); // č where 1252 has è
    EXPECT_EQ(western.glyphIndex(0xE8), raw.index(U'\u00E8'));
    EXPECT_NE(central.glyphIndex(0xA5), western.glyphIndex(0xA5));
    EXPECT_NE(central.glyphIndex(0xA5), 0u);
    EXPECT_EQ(western.glyphIndex('A'), central.glyphIndex('A'));
}

TEST(Font, UnknownAndLegacyNamesFallBackToAFontThatDraws) {
    for (const char *name : {"Kartino No Such Family", "MS Sans Serif", ""}) {
        Font font = fonts().open(fontspec(name, 8.25), 96);
        EXPECT_FALSE(font.file().empty()) << name;
        EXPECT_GT(font.textWidth("Weiter"), 0) << name;
        gfx::Surface s(100, 30, kWhite);
        EXPECT_FALSE(font.drawText(s, 2, 2, "Weiter", kInk).empty()) << name;
        EXPECT_FALSE(inkBox(s).empty()) << name;
    }
}

TEST(Font, ItalicUsesTheItalicFaceAndUnderlineSpansTheText) {
    FontSpec italic = fontspec("Arial", 12);
    italic.italic = true;
    EXPECT_NE(fonts().open(italic, 96).file().find("LiberationSans-Italic"), std::string::npos);

    FontSpec underlined = fontspec("Arial", 12);
    underlined.underline = true;
    Font font = fonts().open(underlined, 96);
    gfx::Surface s(200, 40, kWhite);
    font.drawText(s, 4, 3, "Weiter", kInk);
    int underlineRow = -1;
    for (int y = 3 + font.ascent(); y < 3 + font.lineHeight() && underlineRow < 0; ++y) {
        int run = 0;
        for (int x = 4; x < 4 + font.textWidth("Weiter"); ++x)
            run += s.at(x, y) == kInk;
        if (run == font.textWidth("Weiter")) underlineRow = y;
    }
    EXPECT_GT(underlineRow, 3 + font.ascent() - 1) << "no full-width underline below the baseline";
    EXPECT_EQ(fonts().open(underlined, 96).textWidth("Weiter"),
              fonts().open(fontspec("Arial", 12), 96).textWidth("Weiter"));
}

TEST(Font, DrawingClipsToTheSurfaceAndTheClipRectangle) {
    Font font = fonts().open(fontspec("Arial", 18), 96);
    gfx::Surface s(60, 20, kWhite);
    gfx::Rect clip{10, 5, 30, 15};
    gfx::Rect changed = font.drawText(s, 0, -4, "WWWWWWWW", kInk, &clip);
    EXPECT_EQ(changed.intersect(clip), changed);
    gfx::Rect ink = inkBox(s);
    EXPECT_FALSE(ink.empty());
    EXPECT_EQ(ink.intersect(clip), ink);

    gfx::Surface t(60, 20, kWhite);
    EXPECT_TRUE(font.drawText(t, 100000, 5, "W", kInk).empty());
    EXPECT_TRUE(font.drawText(t, -100000, -100000, "W\r\nW", kInk).empty());
    EXPECT_FALSE(font.drawText(t, -10, -10, "WWWW\r\nWWWW", kInk).empty());
    EXPECT_EQ(inkBox(t).intersect(t.bounds()), inkBox(t));
    gfx::Surface empty;
    EXPECT_TRUE(font.drawText(empty, 0, 0, "W", kInk).empty());
}

TEST(Font, PointsBecomePixelsAtTheDpi) {
    EXPECT_EQ(text::pixelSizeFor(8.25, 96), 11);
    EXPECT_EQ(text::pixelSizeFor(9.75, 96), 13);
    EXPECT_EQ(text::pixelSizeFor(10, 96), 13);    // 13.33
    EXPECT_EQ(text::pixelSizeFor(7.875, 96), 11); // 10.5 rounds up
    EXPECT_EQ(text::pixelSizeFor(12, 120), 20);
    EXPECT_EQ(text::pixelSizeFor(0, 96), 1);
    EXPECT_EQ(text::pixelSizeFor(-3, 96), 1);
    EXPECT_EQ(text::pixelSizeFor(std::numeric_limits<double>::quiet_NaN(), 96), 1);
    EXPECT_EQ(text::pixelSizeFor(1e9, 96), 1000);
    EXPECT_EQ(fonts().open(fontspec("Arial", 12), 120).pixelSize(), 20);
    EXPECT_GT(fonts().open(fontspec("Arial", 12), 120).textWidth("Kartino"),
              fonts().open(fontspec("Arial", 12), 96).textWidth("Kartino"));
}

TEST(Font, StylesAFamilyLacksAreSynthesised) {
    const std::string file = fonts().resolvedFile("Noto Mono", true, false);
    if (file != fonts().resolvedFile("Noto Mono", false, false))
        GTEST_SKIP() << "no single-style family installed";
    Font regular = fonts().open(fontspec("Noto Mono", 12), 96);
    Font bold = fonts().open(fontspec("Noto Mono", 12, true), 96);
    EXPECT_EQ(bold.file(), regular.file());
    EXPECT_GT(bold.textWidth("Kartino"), regular.textWidth("Kartino"));
    gfx::Surface a(200, 40, kWhite), b(200, 40, kWhite);
    regular.drawText(a, 2, 2, "Kartino", kInk);
    bold.drawText(b, 2, 2, "Kartino", kInk);
    auto inked = [](const gfx::Surface &s) {
        int n = 0;
        for (int y = 0; y < s.height(); ++y)
            for (int x = 0; x < s.width(); ++x)
                n += s.at(x, y) == kInk;
        return n;
    };
    EXPECT_GT(inked(b), inked(a));

    FontSpec slanted = fontspec("Noto Mono", 12);
    slanted.italic = true;
    Font italic = fonts().open(slanted, 96);
    gfx::Surface c(200, 40, kWhite);
    italic.drawText(c, 2, 2, "Kartino", kInk);
    EXPECT_EQ(italic.textWidth("Kartino"), regular.textWidth("Kartino"));
    bool differs = false;
    for (int y = 0; y < a.height(); ++y)
        for (int x = 0; x < a.width(); ++x)
            differs = differs || a.at(x, y) != c.at(x, y);
    EXPECT_TRUE(differs) << "the slant was not applied";
}
