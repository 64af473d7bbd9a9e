// The steps of the keyboard pointer: on the design grid, inside the map's whole pixels, and at
// least a pixel where a design unit is less than one.
#include "exercise/keyboard_pointer.hpp"

#include <gtest/gtest.h>

namespace kartino::exercise {
namespace {

common::ScreenMetrics screen(int width, int height) {
    common::ScreenMetrics sc;
    sc.areawidth = sc.screenwidth = static_cast<float>(width);
    sc.areaheight = sc.screenheight = static_cast<float>(height);
    return sc;
}

TEST(KeyboardPointer, StepsOnTheDesignGridInsideTheMap) {
    content::MapGeometry map;
    map.mapleft = 65, map.mapright = 575, map.maptop = 82, map.mapbottom = 450; // 104..920 x 131.2..720
    struct Case {
        const char *what;
        int width, height;
        ui::ScreenPoint from;
        DesignStep step;
        ui::ScreenPoint to;
    };
    const Case cases[] = {
        {"one unit right from a mouse point", 1024, 768, {318, 664}, {1, 0}, {320, 664}},
        {"eight units up", 1024, 768, {318, 664}, {0, -8}, {318, 651}},
        {"from outside the map onto its edge", 1024, 768, {0, 0}, {1, 0}, {104, 132}},
        {"past the right edge: its last whole pixel", 1024, 768, {919, 700}, {8, 0}, {920, 700}},
        {"at the right edge: stays", 1024, 768, {920, 700}, {1, 0}, {920, 700}},
        {"at the top edge, whose design row lies between pixels: stays",
         1024,
         768,
         {500, 132},
         {0, -1},
         {500, 132}},
        {"half a pixel a unit: still a pixel left", 320, 240, {100, 100}, {-1, 0}, {99, 100}},
    };
    for (const Case &c : cases) {
        const std::optional<ui::ScreenPoint> to =
            steppedpoint(screen(c.width, c.height), map, c.from, c.step);
        ASSERT_TRUE(to) << c.what;
        EXPECT_EQ(*to, c.to) << c.what << ": (" << to->x << ", " << to->y << ")";
    }
}

} // namespace
} // namespace kartino::exercise
