// Pointing without a mouse: each golden session played again with every click on the map
// replaced by arrow keys from the cross-hair's place to the clicked point and Space there must
// leave the golden session's files, byte for byte; so must the clicks themselves with the keys
// switched on. The sessions' clicks lie on the design grid, which the arrow keys move on.
#include "hosted_session.hpp"

#include "common/design_screen.hpp"

#include <gtest/gtest.h>

#include <cmath>
#include <sstream>

using namespace kartino;

namespace {

const char *const kResultFiles[] = {"R.DAT", "FB.DAT", "X", "XX"};

struct DesignPoint {
    int x = 0, y = 0;
};

// Key lines that move the cross-hair by `units` design units along one axis: eight at a time
// with Shift, then one at a time.
void arrows(std::ostream &out, int units, int less, int more) {
    const int key = units < 0 ? less : more;
    for (int n = std::abs(units); n > 0; n -= n >= 8 ? 8 : 1)
        out << "key " << key << (n >= 8 ? " 1" : "") << "\n";
}

// The script with its clicks answered by keys. The mouse never moves, so the first key puts the
// cross-hair on the map's edge: Shift+Left and Shift+Up take it to the top left corner.
std::string bykeys(const std::string &script, const common::ScreenMetrics &sc,
                   const content::MapGeometry &map) {
    std::istringstream in(script);
    std::ostringstream out;
    std::optional<DesignPoint> at;
    for (std::string line; std::getline(in, line);) {
        int x = 0, y = 0;
        if (std::sscanf(line.c_str(), "click %d %d", &x, &y) != 2) {
            out << line << "\n";
            continue;
        }
        if (!at) {
            out << "key 37 1\nkey 38 1\n";
            at = DesignPoint{map.mapleft, map.maptop};
        }
        const DesignPoint to{static_cast<int>(std::lround(common::designx(sc, x))),
                             static_cast<int>(std::lround(common::designy(sc, y)))};
        arrows(out, to.x - at->x, 37, 39);
        arrows(out, to.y - at->y, 38, 40);
        out << "key 32\n";
        at = to;
    }
    return out.str();
}

class KeyboardPointer : public ::testing::TestWithParam<std::string> {};

TEST_P(KeyboardPointer, AnswersByKeysLeaveTheFilesOfTheClicks) {
    const testkit::RecordedSession recorded = testkit::recordedsession(GetParam());
    testkit::HostedSession clicks(recorded.dataset, recorded.options);
    clicks.programoptions.keyboardpointer = true;
    clicks.run(recorded);
    const session::Session &played = clicks.program().session();
    testkit::HostedSession keys(recorded.dataset, recorded.options);
    keys.programoptions.keyboardpointer = true;
    keys.run(bykeys(recorded.script, played.shared.screen, played.map), recorded.screen, recorded.clock);
    for (const char *name : kResultFiles) {
        const std::string expected = testkit::sessionfile(GetParam(), std::string("expected/") + name);
        EXPECT_EQ(clicks.resultfile(name), expected) << name << " of the clicks";
        EXPECT_EQ(keys.resultfile(name), expected) << name << " of the keys";
    }
}

INSTANTIATE_TEST_SUITE_P(Samples, KeyboardPointer, ::testing::Values("europe", "iceland", "world"),
                         [](const auto &info) { return info.param; });

} // namespace
