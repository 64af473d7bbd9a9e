#include "common/form_helpers.hpp"
#include "common/palette.hpp"
#include "platform/basic/errors.hpp"
#include "platform/ui/label.hpp"
#include "platform/ui/system_colours.hpp"
#include "platform/ui/ui_fixture.hpp"

#include <gtest/gtest.h>

using namespace kartino;
using ui::SystemColour;

namespace {

class FormHelpers : public testkit::UiTest {};

std::int32_t sys(SystemColour c) {
    return static_cast<std::int32_t>(ui::systemColour(c));
}

} // namespace

TEST_F(FormHelpers, CancelBoxIsARaisedButtonWithACross) {
    ui::Form form(app(), "Form1");
    ui::Label LabelCancel(form, "LabelCancel");
    LabelCancel.Move(10, 10, 16, 14);
    form.setAutoRedraw(true);
    form.Show();
    common::drawcancelbox(form, LabelCancel);
    const int L = 10, T = 10, R = 25, B = 23;
    EXPECT_EQ(form.Point(L, T + 5), sys(SystemColour::Highlight3D));
    EXPECT_EQ(form.Point(L + 1, T + 5), sys(SystemColour::Light3D));
    EXPECT_EQ(form.Point(L + 5, T), sys(SystemColour::Highlight3D));
    EXPECT_EQ(form.Point(L + 5, T + 1), sys(SystemColour::Light3D));
    EXPECT_EQ(form.Point(R, T + 5), sys(SystemColour::ButtonText));
    EXPECT_EQ(form.Point(R - 1, T + 5), sys(SystemColour::ButtonShadow));
    EXPECT_EQ(form.Point(L + 5, B), sys(SystemColour::ButtonText));
    EXPECT_EQ(form.Point(L + 3, B - 1), sys(SystemColour::ButtonShadow));
    EXPECT_EQ(form.Point(L + 4, T + 3), sys(SystemColour::ButtonText)); // start of the cross
    EXPECT_EQ(form.Point(L + 5, T + 3), sys(SystemColour::ButtonText)); // two pixels thick
    EXPECT_EQ(form.Point(L + 3, T + 6), sys(SystemColour::ButtonFace));
    EXPECT_EQ(form.Point(R + 1, T + 5), form.Point(R + 3, T + 5)); // nothing outside
}

TEST_F(FormHelpers, FloodAreaFillsByColourNumbers) {
    common::Shared shared;
    shared.palette[2] = {0, 170, 0};
    shared.palette[4] = {170, 0, 0};
    ui::Form form(app(), "FormKartino");
    form.setAutoRedraw(true);
    form.Show();
    const auto border = static_cast<std::uint32_t>(common::palcolor(shared, 4));
    form.Line(gfx::PenPoint{5, 5}, gfx::PenPoint{20, 20}, border, gfx::BoxMode::Box);
    common::floodarea(form, shared, 10, 10, 2, 4);
    EXPECT_EQ(form.Point(10, 10), static_cast<std::int32_t>(common::palcolor(shared, 2)));
    EXPECT_EQ(form.Point(5, 10), static_cast<std::int32_t>(border));
    EXPECT_NE(form.Point(30, 30), static_cast<std::int32_t>(common::palcolor(shared, 2)));
    EXPECT_EQ(form.FillStyle(), 1);
    EXPECT_THROW(common::floodarea(form, shared, 10, 10, 17, 4), basic::RuntimeError);
}
