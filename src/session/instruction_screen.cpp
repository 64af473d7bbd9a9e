#include "session/instruction_screen.hpp"

#include "common/design_screen.hpp"
#include "common/form_helpers.hpp"
#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"
#include "platform/text/codepage.hpp"
#include "platform/ui/system_colours.hpp"

#include <algorithm>
#include <array>
#include <cstdint>
#include <string_view>

namespace kartino::session {

namespace {

// ----- the word-mark: a stroke font on a grid 6 units high (x-height from row 2 down to row 6)

struct Stroke {
    std::int8_t x1, y1, x2, y2; // x1 == x2 && y1 == y2 is a single point
};

struct Glyph {
    int width; // in grid units; the pen advances width + wordmarkGap
    int count;
    std::array<Stroke, 5> strokes;
};

constexpr int wordmarkGap = 2;

const std::array<Glyph, 8> &wordmarkGlyphs() {
    static const std::array<Glyph, 8> glyphs{{
        {4, 2, {{{0, 0, 4, 0}, {2, 0, 2, 6}}}},                                           // T
        {3, 5, {{{0, 2, 3, 2}, {3, 2, 3, 6}, {3, 6, 0, 6}, {0, 6, 0, 4}, {0, 4, 3, 4}}}}, // a
        {0, 1, {{{0, 0, 0, 6}}}},                                                         // l
        {0, 2, {{{0, 0, 0, 0}, {0, 2, 0, 6}}}},                                           // i
        {3, 4, {{{1, 6, 1, 1}, {1, 1, 2, 0}, {2, 0, 3, 0}, {0, 2, 2, 2}}}},               // f
        {3, 4, {{{0, 2, 3, 2}, {3, 2, 3, 6}, {3, 6, 0, 6}, {0, 6, 0, 2}}}},               // o
        {3, 3, {{{0, 2, 0, 6}, {0, 3, 1, 2}, {1, 2, 3, 2}}}},                             // r
        {4, 4, {{{0, 2, 0, 6}, {0, 2, 4, 2}, {2, 2, 2, 6}, {4, 2, 4, 6}}}},               // m
    }};
    return glyphs;
}

int wordmarkColumns() {
    int columns = 0;
    for (const Glyph &g : wordmarkGlyphs())
        columns += g.width + wordmarkGap;
    return columns - wordmarkGap;
}

bool isSeparator(std::string_view line) {
    return line.size() == 80 && std::all_of(line.begin(), line.end(), [](char c) { return c == '\xCD'; });
}

} // namespace

double wordmarkunit(const common::ScreenMetrics &screen) {
    if (screen.areaheight <= 480) return 2;
    if (screen.areaheight <= 600) return 3;
    if (screen.areaheight <= 800) return 4;
    return 5;
}

void drawwordmark(const Session &s, ui::Form &form) {
    const common::ScreenMetrics &m = s.shared.screen;
    const double u = wordmarkunit(m);
    const double top = common::screeny(m, 5);
    double left = common::screenx(m, 630) - wordmarkColumns() * u;
    for (const Glyph &g : wordmarkGlyphs()) {
        for (int k = 0; k < g.count; ++k) {
            const Stroke &st = g.strokes[static_cast<std::size_t>(k)];
            const gfx::PenPoint to{left + st.x2 * u, top + st.y2 * u};
            if (st.x1 != st.x2 || st.y1 != st.y2)
                form.Line(gfx::PenPoint{left + st.x1 * u, top + st.y1 * u}, to, wordmarkColour);
            form.PSet(to, wordmarkColour); // a line leaves out its end point
        }
        left += (g.width + wordmarkGap) * u;
    }
}

void drawinstructions(Session &s, ui::Form &form) {
    const common::ScreenMetrics &m = s.shared.screen;
    drawwordmark(s, form);

    s.shared.currentfile = s.shared.settingspaths[common::kResultFolder] + "instru";
    bool opened = true;
    try {
        s.services.files.open(instructionFileNumber, s.shared.currentfile, basic::OpenMode::Input);
    } catch (const basic::RuntimeError &e) {
        // The host always writes the instruction file before it starts us; should it be missing
        // all the same, the screen simply goes without it and nothing is reported.
        if (e.number() != basic::errFileNotFound) throw;
        opened = false;
    }
    form.setCurrentX(common::screenx(m, 5));
    form.setCurrentY(common::screeny(m, 10));
    if (opened) {
        while (!s.services.files.eof(instructionFileNumber)) {
            const std::string l = s.services.files.lineInput(instructionFileNumber);
            if (isSeparator(l)) {
                const double y = form.CurrentY() + 10;
                form.Line(gfx::PenPoint{common::screenx(m, 10), y},
                          gfx::PenPoint{common::screenx(m, 630), y});
                form.setCurrentY(y + 20);
            } else {
                form.setCurrentX(common::screenx(m, 10));
                form.Print(text::oemToAnsi(l, s.services.oempage));
            }
        }
        s.services.files.close(instructionFileNumber);
    }
    s.shared.currentfile.clear();

    const auto &lines = s.texts.instructionlines;
    for (std::size_t i = 1; i <= 50 && lines[i] != "*"; ++i) {
        form.setCurrentX(common::screenx(m, 10));
        form.Print(lines[i]);
    }
}

void drawlabelbutton(Session &s, ui::Label &label, const std::string &text, int size, int marked) {
    using ui::SystemColour;
    ui::Form &form = label.parent();
    const double savedSize = form.FontSize();
    const std::string savedName = form.FontName();
    const bool savedBold = form.FontBold();
    const int savedCharset = form.FontCharset();

    const common::ButtonRect r = common::buttonrect(label);
    const auto [L, T, R, B] = r;
    common::drawbuttonface(form, r);
    if (marked != 0) {
        common::systemline(form, L, T, L, B, SystemColour::ButtonText);
        common::systemline(form, L, T, R, T, SystemColour::ButtonText);
        common::systemline(form, L + 1, T + 1, L + 1, B - 1, SystemColour::ButtonShadow);
        common::systemline(form, L + 1, T + 1, R - 1, T + 1, SystemColour::ButtonShadow);
    }
    common::drawraisededges(form, r);

    form.setFontName("Arial");
    form.setFontBold(false);
    form.setFontSize(common::ctlscaley(s.shared.screen, size));
    form.setFontCharset(s.shared.charsetnumber);
    form.setCurrentX(L + (label.Width() - form.TextWidth(text)) / 2);
    form.setCurrentY(T + (label.Height() - form.TextHeight(text)) / 2 + 1);
    form.Print(text);

    form.setFontName(savedName);
    form.setFontSize(savedSize);
    form.setFontBold(savedBold);
    form.setFontCharset(savedCharset);
}

} // namespace kartino::session
