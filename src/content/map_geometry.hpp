#pragma once
// The geometry the map set-up fixes when a form first shows its map: the centre from which
// place positions are measured, the rectangle inside which clicks count, the text rows above
// the map, and the screen colours the target colours show as (read back from the form).
#include <cstdint>

namespace kartino::content {

struct MapGeometry {
    std::int32_t mapcentrex = 0, mapcentrey = 0;
    std::int16_t mapleft = 0, mapright = 0, maptop = 0, mapbottom = 0;
    float worldx0 = 0, worldy0 = 0; // world map: x of longitude 0, y of the equator
    bool switchr = false, switchb = false, switchd = false;
    std::int16_t questionrow = 1;                       // 5 with "/l" in the header
    std::int16_t messagerow = 0;                        // text rows above the map: the first row of messages
    std::uint32_t targetcolour1 = 0, targetcolour2 = 0; // as map colours 4 and 5 show
    std::uint32_t screencolour0 = 0;                    // as colour 0 shows
    std::uint32_t targetpointcolour = 0;                // as map colour 1 shows
};

} // namespace kartino::content
