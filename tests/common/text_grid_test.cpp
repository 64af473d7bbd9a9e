#include "common/design_screen.hpp"
#include "common/palette.hpp"
#include "common/text_grid.hpp"
#include "platform/basic/errors.hpp"
#include "platform/ui/label.hpp"
#include "platform/ui/ui_fixture.hpp"
#include "support/error_number.hpp"

#include <gtest/gtest.h>

using namespace kartino;
using common::screenx;
using common::screeny;

namespace {

// A 640 x 480 design area centred on a 660 x 500 screen: design (0, 0) is pixel (10, 10).
class TextGrid : public testkit::UiTest {
  protected:
    TextGrid() {
        start("", {660, 500});
        shared.screen.areawidth = 640;
        shared.screen.areaheight = 480;
        shared.screen.screenwidth = 660;
        shared.screen.screenheight = 500;
        shared.palette[0] = {0, 0, 0};
        shared.palette[1] = {0, 0, 170};
        shared.palette[2] = {0, 170, 0};
        shared.palette[15] = {255, 255, 255};
        form = std::make_unique<ui::Form>(app(), "FormKartino");
        form->setAutoRedraw(true);
        form->Show();
    }

    std::int32_t colour(int n) const { return static_cast<std::int32_t>(common::palcolor(shared, n)); }
    std::int32_t at(double x, double y) const { return form->Point(x, y); }
    void fillall(int n) {
        form->Line(gfx::PenPoint{0, 0}, gfx::PenPoint{659, 499}, common::palcolor(shared, n),
                   gfx::BoxMode::Filled);
    }
    // Pixels of colour number n in the box (x1, y1)-(x2, y2), both corners inside.
    int count(int x1, int y1, int x2, int y2, int n) const {
        int c = 0;
        for (int y = y1; y <= y2; ++y)
            for (int x = x1; x <= x2; ++x)
                c += at(x, y) == colour(n);
        return c;
    }

    common::Shared shared;
    std::unique_ptr<ui::Form> form;
};

// Blanks at both ends keep the glyphs off the box's left and right columns.
constexpr std::string_view kText = " ab ";

} // namespace

TEST_F(TextGrid, RowsSitOnTheGridButNeverBelowDesignY478) {
    const int w = static_cast<int>(form->TextWidth(kText));
    const int h = static_cast<int>(form->TextHeight(kText));
    ASSERT_LE(h, 15) << "the form's font must fit one row for row 30 to stay on its row";
    const int x = 100;
    // row, expected top in pixels
    const std::vector<std::pair<std::int16_t, int>> rows = {
        {2, 10 + 15}, {29, 10 + 447}, {30, 10 + 463}, {31, 10 + 478 - h}, {40, 10 + 478 - h}};
    for (const auto &[row, top] : rows) {
        SCOPED_TRACE(row);
        fillall(2);
        const gfx::Colour before = gfx::rgb(1, 2, 3);
        form->setForeColor(before);
        common::printrow(*form, shared, kText, row, x, 15, 1);
        EXPECT_EQ(form->ForeColor(), before);
        // The box covers (x, top)-(x + width, top + height), both corners inside.
        EXPECT_EQ(count(x, top, x, top + h, 1), h + 1);
        EXPECT_EQ(count(x + w, top, x + w, top + h, 1), h + 1);
        EXPECT_EQ(at(x, top - 1), colour(2));
        EXPECT_EQ(at(x - 1, top), colour(2));
        EXPECT_EQ(at(x + w + 1, top), colour(2));
        EXPECT_EQ(at(x, top + h + 1), colour(2));
        EXPECT_GT(count(x, top, x + w, top + h, 15), 0) << "the text is inside its box";
        EXPECT_EQ(count(0, 0, 659, top - 1, 15) + count(0, top + h + 1, 659, 499, 15), 0);
    }
    EXPECT_EQ(screeny(shared.screen, 463), 473);
}

TEST_F(TextGrid, CellsStartAtTheLeftEdgeOfTheirColumn) {
    const int h = static_cast<int>(form->TextHeight(kText));
    fillall(2);
    common::printcell(*form, shared, kText, 10, 1, 15, 1);
    const int top = 10 + 143;
    EXPECT_EQ(at(screenx(shared.screen, 0), top), colour(1));
    EXPECT_EQ(at(screenx(shared.screen, 0), top + h), colour(1));
    EXPECT_EQ(at(screenx(shared.screen, 0) - 1, top), colour(2));
    common::printcell(*form, shared, kText, 12, 4, 15, 1); // column 4 begins at design x 24
    EXPECT_EQ(at(10 + 24, 10 + 175), colour(1));
    EXPECT_EQ(at(10 + 23, 10 + 175), colour(2));
}

TEST_F(TextGrid, ANegativeColourLeavesThatPartOut) {
    const int w = static_cast<int>(form->TextWidth(kText));
    const int h = static_cast<int>(form->TextHeight(kText));
    const int x = 50, top = 10 + 63; // row 5
    fillall(2);
    common::printrow(*form, shared, kText, 5, x, 15, -1);
    const int text = count(x, top, x + w, top + h, 15);
    EXPECT_GT(text, 0);
    EXPECT_EQ(count(x, top, x + w, top + h, 2) + text, (w + 1) * (h + 1)) << "only text over what was there";

    const gfx::Colour before = gfx::rgb(9, 8, 7);
    form->setForeColor(before);
    common::printrow(*form, shared, kText, 5, x, -1, 1);
    EXPECT_EQ(count(x, top, x + w, top + h, 1), (w + 1) * (h + 1)) << "the box alone blanks the text";
    EXPECT_EQ(form->ForeColor(), before);

    fillall(2);
    common::printrow(*form, shared, kText, 5, x, -1, -1);
    EXPECT_EQ(count(0, 0, 659, 499, 2), 660 * 500);
}

TEST_F(TextGrid, BadColoursAndRowsRaise) {
    EXPECT_THROW(common::printrow(*form, shared, kText, 5, 0, 17, -1), basic::RuntimeError);
    EXPECT_THROW(common::printrow(*form, shared, kText, 5, 0, -1, 17), basic::RuntimeError);
    EXPECT_EQ(testkit::errorOf([&] { common::printrow(*form, shared, kText, 3000, 0, 15, 1); }),
              basic::errOverflow)
        << "3000 x 16 leaves the 16-bit range";
    EXPECT_THROW(common::printcell(*form, shared, kText, 5, 5000, 15, 1), basic::RuntimeError);
}

TEST_F(TextGrid, MessagesAreBlankedFromAboveTheMessageRowToTheBottom) {
    fillall(2);
    common::clearmessages(*form, shared, 5);
    const int top = 10 + 63, bottom = 10 + 479;
    EXPECT_EQ(count(10, top, 649, bottom, 0), 640 * (bottom - top + 1));
    EXPECT_EQ(count(0, 0, 659, top - 1, 0), 0);
    EXPECT_EQ(count(0, bottom + 1, 659, 499, 0), 0);
    EXPECT_EQ(count(9, top, 9, bottom, 0) + count(650, top, 650, bottom, 0), 0);
}

TEST_F(TextGrid, HeaderIsBlankedWithThePictureAndTheBadge) {
    ui::Label LabelCancel(*form, "LabelCancel");
    LabelCancel.setBackColor(gfx::rgb(200, 0, 200));
    LabelCancel.Move(600, 12, 20, 20);
    common::HeaderArea area;
    area.maptop = 40;
    area.cancel = &LabelCancel;
    const auto sx = [&](double v) { return screenx(shared.screen, v); };
    const auto sy = [&](double v) { return screeny(shared.screen, v); };

    fillall(2);
    area.taskflags = 1 << 13; // no list loaded: the picture's bit plays no part
    common::clearheader(*form, shared, area);
    EXPECT_EQ(count(10, 10, 649, sy(39), 0), 640 * 40);
    EXPECT_EQ(count(0, sy(40), 659, 499, 0), 0);
    EXPECT_EQ(count(0, 0, 9, 499, 0) + count(650, 0, 659, 499, 0), 0);
    app().present();
    EXPECT_EQ(screenAt(610, 20), gfx::rgb(200, 0, 200)) << "the close box stays over the blanked header";

    fillall(2);
    area.listloaded = true; // the small picture reaches below the header
    common::clearheader(*form, shared, area);
    EXPECT_EQ(count(sx(0), sy(0), sx(104), sy(56), 0), 105 * 57);
    EXPECT_EQ(count(sx(105), sy(40), sx(105), sy(56), 0), 0);
    EXPECT_EQ(count(sx(0), sy(57), sx(104), sy(57), 0), 0);

    fillall(2);
    area.taskflags = 0; // the tall picture lies within the header
    common::clearheader(*form, shared, area);
    EXPECT_EQ(count(0, sy(40), 659, 499, 0), 0);
    EXPECT_EQ(at(sx(639), sy(39)), colour(0));

    fillall(2);
    area.taskflags = 1 << 3;
    area.badgex = 300;
    area.badgey = 200;
    form->setFillColor(gfx::rgb(1, 1, 1));
    common::clearheader(*form, shared, area);
    const double cx = sx(300), cy = sy(200); // radii 20 across and 14 up and down
    EXPECT_EQ(count(cx - 25, cy, cx + 25, cy, 0), 41);
    EXPECT_EQ(count(cx, cy - 20, cx, cy + 20, 0), 29);
    EXPECT_EQ(at(cx + 20, cy), colour(0));
    EXPECT_EQ(at(cx, cy + 14), colour(0));
    EXPECT_EQ(form->FillStyle(), 1);

    fillall(2);
    area.taskflags = 1 << 4; // no badge
    common::clearheader(*form, shared, area);
    EXPECT_EQ(at(cx, cy), colour(2));
}

TEST_F(TextGrid, FrameOutlinesASmallerDesignArea) {
    shared.screen.areawidth = 600;
    shared.screen.areaheight = 450;
    // design (0, 0) is pixel (30, 25); design (640, 480) is pixel (630, 475)
    fillall(2);
    common::drawframe(*form, shared, 128);
    const auto grey = static_cast<std::int32_t>(gfx::rgb(128, 128, 128));
    for (int y = 24; y <= 475; ++y) {
        EXPECT_EQ(at(29, y), grey);
        EXPECT_EQ(at(630, y), grey);
    }
    for (int x = 29; x <= 630; ++x) {
        EXPECT_EQ(at(x, 24), grey);
        EXPECT_EQ(at(x, 475), grey);
    }
    EXPECT_EQ(count(30, 25, 629, 474, 2), 600 * 450) << "the design area itself is untouched";
    EXPECT_EQ(at(28, 100), colour(2));
    EXPECT_EQ(at(631, 100), colour(2));
}

namespace {

const std::array<std::string, 4> kPrefixes = {"West of ", "East of ", "S ", "N "};

// The form pixels that differ between two forms.
int differences(const ui::Form &a, const ui::Form &b) {
    int n = 0;
    for (int y = 0; y < a.shown().height(); ++y)
        for (int x = 0; x < a.shown().width(); ++x)
            n += a.shown().at(x, y) != b.shown().at(x, y);
    return n;
}

} // namespace

TEST_F(TextGrid, ValueLinesChooseThePrefixBySignAndAlignByTheWholeValueText) {
    ui::Form expected(app(), "Expected");
    expected.setAutoRedraw(true);
    expected.Show();
    double widest = 0;
    for (const auto &p : kPrefixes)
        widest = std::max(widest, form->TextWidth(p));
    const double right = screenx(shared.screen, 8) + 5 + widest + form->TextWidth("100.00"); // column 2

    struct Case {
        int line;
        std::string_view value;
        const std::string &prefix;
        std::string_view digits;
    };
    const Case cases[] = {{1, "-12.5", kPrefixes[0], "12.5"},
                          {1, "+12.5", kPrefixes[1], "12.5"},
                          {1, " 3", kPrefixes[1], "3"},
                          {2, "-7.25", kPrefixes[2], "7.25"},
                          {2, "x100.00", kPrefixes[3], "100.00"}};
    for (const Case &c : cases) {
        SCOPED_TRACE(c.value);
        form->Cls();
        expected.Cls();
        form->setForeColor(gfx::rgb(1, 2, 3));
        common::helpvalueline(*form, shared, 4, 2, c.line, c.value, kPrefixes);
        EXPECT_EQ(static_cast<std::int32_t>(form->ForeColor()), colour(1));

        expected.setForeColor(common::palcolor(shared, 1));
        expected.setCurrentX(screenx(shared.screen, 8));
        expected.setCurrentY(screeny(shared.screen, 48));
        expected.Print(c.prefix, false);
        expected.setCurrentX(right - expected.TextWidth(c.value)); // measured with its sign
        expected.Print(c.digits);
        EXPECT_EQ(differences(*form, expected), 0);
    }
}
