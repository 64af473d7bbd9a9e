// The instruction screen (word-mark, instruction file, instruction lines) and the painted button.
#include "session/instruction_screen.hpp"

#include "common/design_screen.hpp"
#include "platform/basic/errors.hpp"
#include "platform/ui/system_colours.hpp"
#include "platform/ui/ui_fixture.hpp"
#include "support/error_number.hpp"
#include "support/fake_services.hpp"

#include <climits>
#include <cmath>
#include <memory>

namespace kartino::testkit {
namespace {

using session::Session;

constexpr gfx::Colour kWhite = gfx::rgb(255, 255, 255);
constexpr gfx::Colour kInk = gfx::rgb(0, 0, 200);

struct Box {
    int left = INT_MAX, top = INT_MAX, right = INT_MIN, bottom = INT_MIN, count = 0;
};

Box pixelsOf(const gfx::Surface &s, gfx::Colour c, gfx::Rect area) {
    Box b;
    for (int y = area.top; y < area.bottom; ++y)
        for (int x = area.left; x < area.right; ++x)
            if (s.at(x, y) == c) {
                b.left = std::min(b.left, x), b.right = std::max(b.right, x);
                b.top = std::min(b.top, y), b.bottom = std::max(b.bottom, y);
                ++b.count;
            }
    return b;
}

class InstructionScreen : public UiTest {
  protected:
    InstructionScreen() { use({640, 480}); }
    // A fresh screen of the given size, the design area filling it unless `area` is given.
    void use(ui::ScreenSize screen, ui::ScreenSize area = {0, 0}) {
        form.reset();
        start("", screen);
        form = std::make_unique<ui::Form>(app(), "Form1");
        form->setBackColor(kWhite);
        form->setForeColor(kInk);
        s.shared.screen.screenwidth = static_cast<float>(screen.width);
        s.shared.screen.screenheight = static_cast<float>(screen.height);
        s.shared.screen.areawidth = area.width ? area.width : screen.width;
        s.shared.screen.areaheight = area.height ? area.height : screen.height;
    }
    void instru(const std::string &bytes) { f.dir.write("instru", bytes); }
    double x(double v) const { return common::screenx(s.shared.screen, v); }
    double y(double v) const { return common::screeny(s.shared.screen, v); }
    gfx::Rect all() const { return form->shown().bounds(); }

    FakeServices f;
    Session s = [this] {
        Session r{f.services};
        r.shared.settingspaths = f.shared.settingspaths;
        r.texts.instructionlines[1] = "*";
        return r;
    }();
    std::unique_ptr<ui::Form> form;
};

TEST_F(InstructionScreen, ASeparatorOfEightyDoubleBarsIsDrawnAsALine) {
    instru(std::string(80, '\xCD') + "\r\n");
    session::drawinstructions(s, *form);
    const int lineY = static_cast<int>(y(10)) + 10;
    for (int px = static_cast<int>(x(10)); px < static_cast<int>(x(630)); ++px)
        ASSERT_EQ(form->shown().at(px, lineY), kInk) << "x " << px;
    EXPECT_EQ(form->CurrentY(), lineY + 20);
    EXPECT_EQ(s.shared.currentfile, "");
    EXPECT_FALSE(f.files.isOpen(session::instructionFileNumber));
}

TEST_F(InstructionScreen, NearlySeparatorLinesArePrintedAsText) {
    for (int n : {79, 81}) {
        form->Cls();
        instru(std::string(static_cast<std::size_t>(n), '\xCD') + "\r\n");
        session::drawinstructions(s, *form);
        const int lineY = static_cast<int>(y(10)) + 10;
        Box row = pixelsOf(form->shown(), kInk,
                           {static_cast<int>(x(10)), lineY, static_cast<int>(x(630)), lineY + 1});
        EXPECT_LT(row.count, static_cast<int>(x(630) - x(10))) << n << " bars";
        EXPECT_DOUBLE_EQ(form->CurrentY(), y(10) + form->TextHeight("X")) << n << " bars";
    }
}

TEST_F(InstructionScreen, TextLinesAndSeparatorsFollowEachOtherDownTheScreen) {
    instru("Erste Zeile\r\n" + std::string(80, '\xCD') + "\r\nZweite\r\n");
    session::drawinstructions(s, *form);
    const double h = form->TextHeight("X");
    EXPECT_DOUBLE_EQ(form->CurrentY(), y(10) + h + 30 + h);
    Box text = pixelsOf(form->shown(), kInk, {0, 0, 640, static_cast<int>(y(10) + h)});
    EXPECT_GT(text.count, 0);
    EXPECT_GE(text.left, static_cast<int>(x(10))) << "text starts at design x 10";
}

TEST_F(InstructionScreen, AtMostFiftyInstructionLinesArePrinted) {
    use({1280, 1024});
    for (std::size_t i = 1; i <= 100; ++i)
        s.texts.instructionlines[i] = "Zeile";
    session::drawinstructions(s, *form); // no instruction file: the lines alone
    const double h = form->TextHeight("Zeile");
    EXPECT_DOUBLE_EQ(form->CurrentY(), y(10) + 50 * h);
    const int row51 = static_cast<int>(y(10) + 50 * h);
    EXPECT_EQ(pixelsOf(form->shown(), kInk, {0, row51, 1280, row51 + static_cast<int>(h)}).count, 0);
    EXPECT_GT(pixelsOf(form->shown(), kInk, {0, row51 - static_cast<int>(h), 1280, row51}).count, 0);

    form->Cls();
    s.texts.instructionlines[4] = "*";
    session::drawinstructions(s, *form);
    EXPECT_DOUBLE_EQ(form->CurrentY(), y(10) + 3 * h);
    EXPECT_EQ(s.shared.currentfile, "");
}

TEST_F(InstructionScreen, AnUnreadableInstructionFolderIsNotSwallowed) {
    s.shared.settingspaths[common::kResultFolder] = f.dir.path() + "/missing-folder/";
    EXPECT_EQ(testkit::errorOf([&] { session::drawinstructions(s, *form); }), basic::errPathNotFound);
}

TEST_F(InstructionScreen, TheWordMarkSitsTopRightAndGrowsWithTheArea) {
    struct Case {
        ui::ScreenSize screen, area;
        double unit;
    };
    int previousWidth = 0;
    for (const Case &c : {Case{{640, 480}, {0, 0}, 2}, Case{{800, 600}, {0, 0}, 3},
                          Case{{1024, 768}, {0, 0}, 4}, Case{{1280, 1024}, {0, 0}, 5}}) {
        use(c.screen, c.area);
        ASSERT_EQ(session::wordmarkunit(s.shared.screen), c.unit);
        session::drawinstructions(s, *form);
        Box b = pixelsOf(form->shown(), session::wordmarkColour, all());
        ASSERT_GT(b.count, 0) << c.screen.width;
        EXPECT_EQ(b.right, std::lround(x(630))) << c.screen.width;
        EXPECT_EQ(b.top, std::lround(y(5))) << c.screen.width;
        EXPECT_EQ(b.bottom - b.top, std::lround(6 * c.unit)) << c.screen.width;
        EXPECT_GT(b.left, std::lround(x(320))) << "right half, " << c.screen.width;
        EXPECT_GT(b.right - b.left, previousWidth) << c.screen.width;
        previousWidth = b.right - b.left;
    }
}

TEST_F(InstructionScreen, TheWordMarkFollowsACentredSmallArea) {
    use({1024, 768}, {640, 480});
    session::drawwordmark(s, *form);
    Box b = pixelsOf(form->shown(), session::wordmarkColour, all());
    EXPECT_EQ(b.right, 192 + 630);
    EXPECT_EQ(b.top, 144 + 5);
    EXPECT_EQ(b.bottom - b.top, 12) << "the smallest tier";
}

TEST_F(InstructionScreen, ALabelButtonHasRaisedEdgesCentredTextAndLeavesTheFontAlone) {
    ui::Label label{*form, "LabelJa"};
    label.Move(100, 100, 80, 30);
    ui::FontSpec before;
    before.name = "Courier New";
    before.points = 9;
    before.bold = true;
    before.charset = 238;
    form->setFont(before);
    session::drawlabelbutton(s, label, "Ja", 12, 0);

    using ui::SystemColour;
    const auto &p = form->shown();
    auto sys = [](SystemColour c) { return ui::systemColour(c); };
    EXPECT_EQ(p.at(100, 110), sys(SystemColour::Highlight3D));
    EXPECT_EQ(p.at(101, 110), sys(SystemColour::Light3D));
    EXPECT_EQ(p.at(179, 110), sys(SystemColour::ButtonText));
    EXPECT_EQ(p.at(178, 110), sys(SystemColour::ButtonShadow));
    EXPECT_EQ(p.at(105, 100), sys(SystemColour::Highlight3D));
    EXPECT_EQ(p.at(105, 101), sys(SystemColour::Light3D));
    EXPECT_EQ(p.at(105, 129), sys(SystemColour::ButtonText));
    EXPECT_EQ(p.at(105, 128), sys(SystemColour::ButtonShadow));
    EXPECT_EQ(p.at(105, 105), sys(SystemColour::ButtonFace));
    EXPECT_EQ(p.at(180, 110), kWhite) << "nothing beyond the label";

    Box text = pixelsOf(p, kInk, {102, 102, 178, 128});
    ASSERT_GT(text.count, 0);
    EXPECT_NEAR((text.left + text.right) / 2.0, 140, 2.5) << "centred across";
    EXPECT_NEAR((text.top + text.bottom) / 2.0, 115, 4) << "centred down";
    EXPECT_EQ(form->font(), before);
}

} // namespace
} // namespace kartino::testkit
