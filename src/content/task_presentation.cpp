#include "content/task_presentation.hpp"

#include "common/design_screen.hpp"
#include "common/flags.hpp"
#include "common/form_helpers.hpp"
#include "common/palette.hpp"
#include "common/small_helpers.hpp"
#include "common/text_grid.hpp"
#include "content/map_setup.hpp"
#include "content/place_marks.hpp"
#include "platform/basic/errors.hpp"
#include "platform/basic/numbers.hpp"
#include "vecgraphics/vecdraw.hpp"

#include <array>
#include <string>

namespace kartino::content {

namespace {

using basic::checkedInteger;
using common::fnbitset;

constexpr std::int16_t kNoBackground = -1;
constexpr std::int16_t kPlaceText = 7;  // the first and second text unless coloured otherwise
constexpr std::int16_t kRegionText = 1; // also the first text when a second one follows
constexpr std::int16_t kBadgeFill = 13;
constexpr std::int16_t kRim = 8;
constexpr std::int16_t kLabelColour = 13;
constexpr std::int16_t kLabelBackground = 0;

bool flag(const session::Session &s, int bit) {
    return fnbitset(s.task.taskflags, bit) != 0;
}

const std::string &placetext(const session::Session &s, int column) {
    const std::int16_t index = s.run.taskindex;
    if (index < 0 || index >= kPlaceSlots) basic::raise(basic::errSubscript);
    return s.places.placecolumns[static_cast<std::size_t>(index)][static_cast<std::size_t>(column)];
}

// The left edge of the right-hand texts, in form pixels.
double rightcolumnx(const session::Session &s) {
    return common::screenx(s.shared.screen, checkedInteger(checkedInteger(s.task.rightcolumn - 1) * 8));
}

// The texts of the place start at design x 160 when the exercise keeps them left, else they
// are centred on the middle of the screen.
double textx(const session::Session &s, const ui::Form &form, const std::string &text) {
    const common::ScreenMetrics &sc = s.shared.screen;
    if (s.settings.flagbit4) return common::screenx(sc, 160);
    return common::screenx(sc, 320) - form.TextWidth(text) / 2;
}

// Text count: how many of the place's texts go on their own rows.
void counttextlines(session::Session &s) {
    s.task.textlines = static_cast<std::int16_t>((flag(s, 1) ? 1 : 0) + (flag(s, 2) ? 1 : 0));
}

// Rows: the rows the texts start on, centred in the rows above the map (row 2 with the
// alternative colour set); one row lower with a centred region text.
void placerows(session::Session &s) {
    Presentation &t = s.task;
    const std::int16_t spare = checkedInteger(s.map.messagerow - t.textlines);
    t.firstrow = common::fnmax<std::int16_t>(1, checkedInteger(spare / 2 + 1));
    if (s.settings.switchu) t.firstrow = 2;
    t.currentrow = checkedInteger(t.firstrow - 1);
    if (flag(s, 11) && s.map.messagerow >= 2) t.currentrow = checkedInteger(t.currentrow + 1);
}

// First text: in colour 1 when a second text follows.
void printfirsttext(session::Session &s, MapForm &f) {
    if (!flag(s, 1)) return;
    Presentation &t = s.task;
    const std::string &text = placetext(s, 1);
    const std::int16_t colour = flag(s, 2) ? kRegionText : kPlaceText;
    t.currentrow = checkedInteger(t.currentrow + 1);
    common::printrow(f.form, s.shared, text, t.currentrow, textx(s, f.form, text), colour, kNoBackground);
}

// The marker left of the second text (design x mx, top of its row my): what a hit looks like.
void drawnamemarker(session::Session &s, MapForm &f, double x) {
    const common::ScreenMetrics &sc = s.shared.screen;
    const auto &colours = s.settings.mapcolors;
    const std::int16_t mx = basic::CInt(common::designx(sc, x) - 21);
    const std::int16_t my =
        basic::CInt(common::fnmax<std::int16_t>(0, checkedInteger(checkedInteger(s.task.namerow - 1) * 16)));
    if (s.settings.colourhitmode) {
        markplace(s, f.form, mx, my, colours[1]);
    } else if (flag(s, 10)) {
        markplace(s, f.form, checkedInteger(mx + 5), checkedInteger(my + 6), colours[2]);
    } else if (flag(s, 9)) {
        const std::uint32_t colour = common::palcolor(s.shared, colours[3]);
        auto point = [&](int dx, int dy) {
            return gfx::PenPoint{common::screenx(sc, checkedInteger(mx + dx)),
                                 common::screeny(sc, checkedInteger(my + dy))};
        };
        f.form.Line(point(0, 7), point(11, 7), colour);
        f.form.Line(point(5, 2), point(5, 13), colour);
    }
}

// Second text: on the next row, or beside the first in the right-hand column when the rows
// above the map are used up; on the first row with bit 12.
void printsecondtext(session::Session &s, MapForm &f) {
    if (!flag(s, 2)) return;
    Presentation &t = s.task;
    std::string text = placetext(s, 2);
    if (flag(s, 6)) text += s.settings.exercisetexts[session::kSecondTextExtra];
    double x = textx(s, f.form, text);
    if (t.currentrow < s.map.messagerow) {
        t.currentrow = checkedInteger(t.currentrow + 1);
        t.namerow = t.currentrow;
    } else {
        t.namerow = t.currentrow;
        x = rightcolumnx(s);
    }
    if (flag(s, 12)) {
        t.savedrow = t.namerow;
        t.namerow = t.firstrow;
    }
    const std::int16_t colour = s.settings.flagbit6 ? s.settings.mapcolors[1] : kPlaceText;
    common::printrow(f.form, s.shared, text, t.namerow, x, colour, kNoBackground);
    drawnamemarker(s, f, x);
}

// Badge: the third text in a badge at the top left (further down below the place's picture,
// over the middle of the header on a world map).
void drawbadge(session::Session &s, MapForm &f) {
    if (!flag(s, 3)) return;
    Presentation &t = s.task;
    const common::ScreenMetrics &sc = s.shared.screen;
    std::int16_t column = 3, row = 2;
    if (s.places.listloaded) row = 6;
    if (s.settings.mapscale == kWorldMap) column = 21, row = 5;
    t.badgex = checkedInteger(8 * column - 1);
    t.badgey = checkedInteger(16 * row - 9);

    ui::Form &form = f.form;
    const double cx = common::screenx(sc, t.badgex);
    form.setFillStyle(0);
    form.setFillColor(common::palcolor(s.shared, kBadgeFill));
    form.Circle(gfx::PenPoint{cx, common::screeny(sc, t.badgey)}, common::scalex(sc, 20),
                common::palcolor(s.shared, kRim), {}, {}, 0.7);
    form.setFillStyle(1);

    // In the form's ForeColor, from the top of the badge's row.
    const std::string &text = placetext(s, 3);
    form.setCurrentX(cx - form.TextWidth(text) / 2);
    form.setCurrentY(common::screeny(sc, checkedInteger((row - 1) * 16)));
    form.Print(text);
}

// Value lines: those of columns 4 and 5 in the right-hand column, on rows 3 and 4.
void printvaluelines(session::Session &s, MapForm &f) {
    const std::array<std::string, 4> prefixes = session::valuePrefixes(s.settings);
    if (flag(s, 4))
        common::helpvalueline(f.form, s.shared, 3, s.task.rightcolumn, 1, placetext(s, 4), prefixes);
    if (flag(s, 5))
        common::helpvalueline(f.form, s.shared, 4, s.task.rightcolumn, 2, placetext(s, 5), prefixes);
}

// Region text: the text of the place's region code, in the right-hand column or centred.
void printregiontext(session::Session &s, MapForm &f) {
    if (!flag(s, 0)) return;
    const Presentation &t = s.task;
    const std::int16_t region = basic::CInt(basic::Val(placetext(s, 0)));
    if (region < 0 || region > kRegionTexts) basic::raise(basic::errSubscript);
    const std::string &text = s.places.regiontexts[static_cast<std::size_t>(region)];
    const double x =
        flag(s, 11) ? common::screenx(s.shared.screen, 320) - f.form.TextWidth(text) / 2 : rightcolumnx(s);
    std::int16_t row = flag(s, 12) ? t.savedrow : t.firstrow;
    if (s.settings.flagbit4) row = 2;
    common::printrow(f.form, s.shared, text, row, x, kRegionText, kNoBackground);
}

// Place picture: the place's own record as a small picture at the top left.
void drawplacepicture(session::Session &s, MapForm &f) {
    if (!s.places.listloaded) return;
    const common::ScreenMetrics &sc = s.shared.screen;
    const double left = flag(s, 13) ? 52 : 57;
    vecgraphics::vecdraw(s.services, s.shared, s.vectors, s.drawing, f.form,
                         {.record = s.run.taskindex,
                          .x = basic::CInt(common::screenx(sc, left)),
                          .y = basic::CInt(common::screeny(sc, 33)),
                          .scalex = common::scalex(sc, 4),
                          .scaley = common::scaley(sc, 4)});
}

// Longitude labels: those above the regional map's graticule.
void printlongitudes(session::Session &s, MapForm &f) {
    if (s.settings.mapscale != kRegionalMap || !s.settings.flagbit11) return;
    common::printcell(f.form, s.shared, "10", 5, 23, kLabelColour, kLabelBackground);
    common::printcell(f.form, s.shared, "0", 5, 35, kLabelColour, kLabelBackground);
    common::printcell(f.form, s.shared, "10", 5, 45, kLabelColour, kLabelBackground);
}

// Close box: the painted close box, which the header's blanking may have covered.
void redrawcancelbox(MapForm &f) {
    if (f.LabelCancel.Visible()) common::drawcancelbox(f.form, f.LabelCancel);
}

} // namespace

void clearheader(session::Session &s, MapForm &f) {
    const Presentation &t = s.task;
    common::clearheader(f.form, s.shared,
                        common::HeaderArea{s.map.maptop, s.places.listloaded, t.taskflags,
                                           static_cast<double>(t.badgex), static_cast<double>(t.badgey),
                                           &f.LabelCancel});
}

// The steps in their order; each later one relies on the rows the earlier ones left.
void presenttask(session::Session &s, MapForm &f) {
    clearheader(s, f);
    counttextlines(s);
    placerows(s);
    printfirsttext(s, f);
    printsecondtext(s, f);
    drawbadge(s, f);
    printvaluelines(s, f);
    printregiontext(s, f);
    drawplacepicture(s, f);
    printlongitudes(s, f);
    redrawcancelbox(f);
}

} // namespace kartino::content
