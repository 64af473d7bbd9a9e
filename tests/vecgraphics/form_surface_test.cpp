// Records drawn on a form of the program: into both of its layers when AutoRedraw is on, with
// its own pen state, as the map set-up and the task presentation draw.
#include "common/palette.hpp"
#include "platform/ui/ui_fixture.hpp"
#include "support/fake_services.hpp"
#include "vecgraphics/vecdraw.hpp"

#include <gtest/gtest.h>

using namespace kartino;

namespace {

class FormSurfaceTest : public testkit::UiTest {
  protected:
    FormSurfaceTest() {
        start("", {200, 150});
        for (int n = 0; n <= 16; ++n)
            fake.shared.palette[static_cast<std::size_t>(n)] = {static_cast<std::uint8_t>(n * 15), 40, 90};
        form = std::make_unique<ui::Form>(app(), "FormKartino");
        form->setAutoRedraw(true);
        form->Show();
    }
    std::int32_t colour(int n) const { return static_cast<std::int32_t>(common::palcolor(fake.shared, n)); }
    void draw(const std::string &record, std::int16_t x = 100, std::int16_t y = 75) {
        vectors.recordtext[0] = record + "*,";
        vecgraphics::vecdraw(fake.services, fake.shared, vectors, drawing, *form,
                             {.record = 0, .x = x, .y = y, .scalex = 8, .scaley = 8});
    }

    testkit::FakeServices fake;
    vecgraphics::VectorTables vectors;
    vecgraphics::VecState drawing;
    std::unique_ptr<ui::Form> form;
};

TEST_F(FormSurfaceTest, DrawsIntoWhatTheFormShowsAndKeeps) {
    draw("C4,U3,C0,K3,L10,0,");
    EXPECT_EQ(form->Point(100, 72), colour(4));
    EXPECT_EQ(form->Point(106, 75), colour(0));
    EXPECT_EQ(form->Point(120, 75), colour(0)); // the step's end point
    EXPECT_EQ(static_cast<std::int32_t>(form->image().at(101, 72)), colour(4));
    EXPECT_EQ(form->FillStyle(), 1);
    EXPECT_DOUBLE_EQ(form->CurrentX(), static_cast<float>(120.0002));
}

TEST_F(FormSurfaceTest, SprayFollowsTheFormsDrawingPosition) {
    drawing.auxvalue = 9;
    draw("K6,B20,0,X0,2,30,", 50, 50); // sprays around the circle's centre, not the moved pen
    int near = 0;
    for (int y = 45; y <= 55; ++y)
        for (int x = 45; x <= 55; ++x)
            near += form->Point(x, y) == colour(9);
    EXPECT_GT(near, 3);
    EXPECT_NE(form->Point(90, 50), colour(9));
}

TEST_F(FormSurfaceTest, MalformedRecordOnAFormIsLoggedAndTheFormKeepsItsFillStyle) {
    vectors.loadedfile = "K:\\KARTEN\\WELT.VEC";
    draw("C3,U2,O0,1,0,0,4,5,");
    EXPECT_EQ(form->Point(100, 75), colour(3));
    EXPECT_EQ(form->FillStyle(), 1);
    EXPECT_NE(fake.errorLog().find("vec:vecdraw,11,Division by zero,Datei: K:\\KARTEN\\WELT.VEC,Satz 0,"
                                   "Position 7,Token O0"),
              std::string::npos)
        << fake.errorLog();
}

} // namespace
