// The two layers of a form: what AutoRedraw keeps, what a repaint restores, where Paint may draw.
#include "platform/gfx/draw.hpp"
#include "platform/gfx/flood.hpp"
#include "platform/ui/label.hpp"
#include "platform/ui/picture_box.hpp"
#include "ui_fixture.hpp"

namespace kartino::testkit {
namespace {

constexpr gfx::Colour kWhite = gfx::rgb(255, 255, 255);
constexpr gfx::Colour kRed = gfx::rgb(255, 0, 0);
constexpr gfx::Colour kBlue = gfx::rgb(0, 0, 255);

class FormLayers : public UiTest {
  protected:
    // A white form with a red horizontal line at y = 10 and an opaque label over part of it.
    void drawThenHideLabel(bool autoRedraw) {
        form.setBackColor(kWhite);
        form.setAutoRedraw(autoRedraw);
        form.Show();
        form.Line({{0, 10}}, {64, 10}, kRed);
        label.Move(20, 5, 10, 10);
        label.setVisible(true);
        app().present();
        log.clear();
        armed = true;
        label.setVisible(false);
        app().present();
    }

    std::vector<std::string> log;
    bool armed = false; // Paint handlers act only for the repaint under test
    RecordingForm form{app(), "F", log};
    ui::Label label{form, "LabelTest"};
};

TEST_F(FormLayers, AutoRedrawKeepsTheDrawingUnderAHiddenLabel) {
    label.setVisible(false);
    drawThenHideLabel(true);
    EXPECT_EQ(form.shown().at(25, 10), kRed);
    EXPECT_EQ(screenAt(25, 10), kRed);
    EXPECT_TRUE(log.empty()) << "no Paint with AutoRedraw true";
}

TEST_F(FormLayers, WithoutAutoRedrawTheRegionIsErasedAndPaintIsClippedToIt) {
    label.setVisible(false);
    int paints = 0;
    form.onPaint = [&] {
        if (!armed) return;
        ++paints;
        form.Line({{0, 0}}, {63, 47}, kBlue, gfx::BoxMode::Filled); // tries to cover everything
    };
    drawThenHideLabel(false);
    EXPECT_EQ(paints, 1);
    // Inside the label's rectangle (20..29, 5..14) Paint drew; the line there is gone.
    EXPECT_EQ(screenAt(25, 10), kBlue);
    EXPECT_EQ(screenAt(20, 5), kBlue);
    EXPECT_EQ(screenAt(29, 14), kBlue);
    // Outside it nothing changed: the line and the background stay.
    EXPECT_EQ(screenAt(19, 10), kRed);
    EXPECT_EQ(screenAt(30, 10), kRed);
    EXPECT_EQ(screenAt(25, 4), kWhite);
    EXPECT_EQ(screenAt(25, 15), kWhite);
    EXPECT_EQ(form.Point(19, 10), static_cast<std::int32_t>(kRed));
}

TEST_F(FormLayers, WithoutAutoRedrawAndNoPaintTheRegionShowsTheBackground) {
    label.setVisible(false);
    drawThenHideLabel(false);
    EXPECT_EQ(screenAt(25, 10), kWhite);
    EXPECT_EQ(screenAt(19, 10), kRed);
}

TEST_F(FormLayers, ControlsAreComposedOverButNeverReadByPoint) {
    label.setVisible(false);
    form.setBackColor(kWhite);
    form.Show();
    form.PSet({25, 10}, kRed);
    label.setBackColor(kBlue);
    label.Move(20, 5, 10, 10);
    label.setVisible(true);
    app().present();
    EXPECT_EQ(screenAt(25, 10), kBlue);
    EXPECT_EQ(form.Point(25, 10), static_cast<std::int32_t>(kWhite)) << "restored when the label appeared";
    form.PSet({26, 10}, kRed);
    app().present();
    EXPECT_EQ(form.Point(26, 10), static_cast<std::int32_t>(kRed));
    EXPECT_EQ(screenAt(26, 10), kBlue) << "the label stays above the drawing";
    EXPECT_EQ(form.Point(-1, 0), -1);
}

TEST_F(FormLayers, RefreshRepaintsTheWholeFormAtOnce) {
    label.setVisible(false);
    form.setBackColor(kWhite);
    form.Show();
    form.PSet({3, 3}, kRed);
    int paints = 0;
    form.onPaint = [&] { ++paints; };
    form.Refresh();
    EXPECT_EQ(paints, 1);
    EXPECT_EQ(form.Point(3, 3), static_cast<std::int32_t>(kWhite));
}

TEST_F(FormLayers, ClsWithoutAutoRedrawKeepsThePersistentDrawing) {
    label.setVisible(false);
    form.setBackColor(kWhite);
    form.setAutoRedraw(true);
    form.Show();
    form.PSet({1, 1}, kRed);
    form.setAutoRedraw(false);
    form.PSet({2, 2}, kBlue);
    form.Cls();
    EXPECT_EQ(form.Point(1, 1), static_cast<std::int32_t>(kRed));
    EXPECT_EQ(form.Point(2, 2), static_cast<std::int32_t>(kWhite));
    form.setAutoRedraw(true);
    form.Cls();
    EXPECT_EQ(form.Point(1, 1), static_cast<std::int32_t>(kWhite));
}

TEST_F(FormLayers, PictureIsTheBackgroundAndBitBltSavesAndRestores) {
    label.setVisible(false);
    gfx::Surface picture(4, 4, kBlue);
    form.setBackColor(kWhite);
    form.setPicture(picture);
    form.Show();
    EXPECT_EQ(form.Point(3, 3), static_cast<std::int32_t>(kBlue));
    EXPECT_EQ(form.Point(4, 4), static_cast<std::int32_t>(kWhite));

    ui::PictureBox save{form, "PictureSave"};
    save.resize(6, 6);
    ui::BitBlt(save, 0, 0, 6, 6, form, 0, 0); // save under
    form.Line({{0, 0}}, {5, 5}, kRed, gfx::BoxMode::Filled);
    EXPECT_EQ(form.Point(0, 0), static_cast<std::int32_t>(kRed));
    ui::BitBlt(form, 0, 0, 6, 6, save, 0, 0); // restore
    app().present();
    EXPECT_EQ(form.Point(0, 0), static_cast<std::int32_t>(kBlue));
    EXPECT_EQ(form.Point(5, 5), static_cast<std::int32_t>(kWhite));
    EXPECT_EQ(screenAt(5, 5), kWhite);
}

TEST_F(FormLayers, FloodFillUsesTheFillBrushAndShows) {
    label.setVisible(false);
    form.setBackColor(kWhite);
    form.Show();
    form.Line({{10, 10}}, {20, 20}, kRed, gfx::BoxMode::Box);
    form.setFillStyle(0);
    form.setFillColor(kBlue);
    EXPECT_TRUE(form.FloodFill(15, 15, 0x02000000u | kRed));
    EXPECT_FALSE(form.FloodFill(10, 10, kRed)) << "seeded on the border";
    app().present();
    EXPECT_EQ(screenAt(15, 15), kBlue);
    EXPECT_EQ(screenAt(25, 25), kWhite);
}

// Drawing once on the image and bringing what is shown up later must show exactly what drawing
// every call on both layers showed. Seeded random sequences of lines, boxes, fills, self-copies,
// Cls and AutoRedraw switches run on a form and on two plain surfaces that follow the rule
// literally; after each step what is shown (as Point and the screen see it) must agree.
TEST_F(FormLayers, ACoveredFormGivesUpItsLayersAndIsRepaintedTheSameWhenUncovered) {
    label.setVisible(false);
    form.setBackColor(kWhite);
    form.onPaint = [this] { form.Line({{0, 20}}, {64, 20}, kBlue); };
    form.Show();
    form.setAutoRedraw(true);
    form.Line({{0, 10}}, {64, 10}, kRed);
    form.setAutoRedraw(false);
    app().present();
    const std::size_t screenBytes = 64 * 48 * 4;
    EXPECT_EQ(form.layerBytes(), 2 * screenBytes); // the image and, with the Paint line, what is shown
    gfx::Surface before = headless().framebuffer();

    for (bool byHide : {true, false}) {
        RecordingForm cover{app(), "Cover", log};
        cover.Show();
        app().present();
        EXPECT_LT(form.layerBytes(), screenBytes / 4);
        EXPECT_EQ(form.Point(5, 10), static_cast<std::int32_t>(kRed)); // the image is still there
        log.clear();
        byHide ? cover.Hide() : form.Show();
        app().present();
        EXPECT_EQ(log, (std::vector<std::string>{"F Paint", "F Activate"})) << byHide;
        for (int y = 0; y < 48; ++y)
            for (int x = 0; x < 64; ++x)
                ASSERT_EQ(screenAt(x, y), before.at(x, y)) << byHide << " at " << x << "," << y;
    }
}

TEST_F(FormLayers, DrawingOnceShowsWhatDrawingOnBothLayersShowed) {
    label.setVisible(false);
    form.setBackColor(kWhite);
    form.Show();
    gfx::Surface image(64, 48, kWhite), shown(64, 48, kWhite);
    std::uint32_t seed = 12345;
    auto next = [&seed](int n) { return static_cast<int>((seed = seed * 1103515245u + 12345u) >> 16) % n; };
    auto both = [&](bool autoRedraw, const auto &op) {
        if (autoRedraw) op(image);
        op(shown);
    };
    bool autoRedraw = false;
    for (int step = 0; step < 2000; ++step) {
        int x0 = next(70) - 3, y0 = next(54) - 3, x1 = next(70) - 3, y1 = next(54) - 3;
        gfx::Colour c = next(2) ? kRed : kBlue;
        switch (next(10)) {
        case 0:
            form.setAutoRedraw(autoRedraw = !autoRedraw);
            break;
        case 1:
            form.Cls();
            if (autoRedraw) image.fill(kWhite);
            shown = image;
            break;
        case 2:
            ui::BitBlt(form, x0, y0, 9, 7, form, x1, y1);
            both(autoRedraw, [&](gfx::Surface &s) { gfx::bitBlt(s, x0, y0, 9, 7, shown, x1, y1); });
            break;
        case 3:
            form.setFillStyle(0);
            form.setFillColor(c);
            form.FloodFill(x0, y0, kRed);
            form.setFillStyle(1);
            both(autoRedraw, [&](gfx::Surface &s) { gfx::floodFill(s, x0, y0, kRed, c); });
            break;
        case 4:
            form.Line({{double(x0), double(y0)}}, {double(x1), double(y1)}, c, gfx::BoxMode::Filled);
            both(autoRedraw, [&](gfx::Surface &s) { gfx::fillBox(s, x0, y0, x1, y1, c); });
            break;
        case 5:
            app().present();
            break;
        case 6: // the vector painter's step: a line and its end point, from fractional points
        {
            const float xy[] = {x0 + 0.4f, y0 - 0.4f, x1 - 0.4f, y1 + 0.3f};
            form.Steps(xy, c);
        }
            both(autoRedraw, [&](gfx::Surface &s) {
                gfx::line(s, x0, y0, x1, y1, c);
                gfx::pset(s, x1, y1, c);
            });
            break;
        case 7:
            form.PSetAt(x0 + 0.4, y0, c);
            both(autoRedraw, [&](gfx::Surface &s) { gfx::pset(s, x0, y0, c); });
            break;
        default:
            form.Line({{double(x0), double(y0)}}, {double(x1), double(y1)}, c);
            both(autoRedraw, [&](gfx::Surface &s) { gfx::line(s, x0, y0, x1, y1, c); });
        }
        ASSERT_EQ(form.Point(x1, y1), gfx::point(shown, x1, y1)) << "step " << step;
        if (step % 50 == 0) {
            app().present();
            for (int y = 0; y < 48; ++y)
                for (int x = 0; x < 64; ++x)
                    ASSERT_EQ(screenAt(x, y), shown.at(x, y)) << "step " << step << " at " << x << "," << y;
        }
    }
}

} // namespace
} // namespace kartino::testkit
