#pragma once
// The state of the vector drawing interpreter. The pen, direction, colour, scales and token
// position are set again by every call; the point slots, the last step and the shared register
// keep what earlier calls and records left, so a record can return to a point another one
// stored.
#include "vecgraphics/direction_cache.hpp"

#include <array>
#include <cstdint>
#include <string>

namespace kartino::vecgraphics {

inline constexpr int kPointSlots = 100;

struct VecState {
    std::int16_t vecrecord = 0; // index of the record being drawn
    std::int16_t tokenpos = 1;  // 1-based position where the next token starts
    std::int16_t veccolor = 0;  // current colour number
    double vecscalex = 0, vecscaley = 0;
    double vecangle = 0;           // current direction in degrees, 0 right, 90 up
    double penx = 0, peny = 0;     // pen in surface units, y downwards
    double endx = 0, endy = 0;     // end of the last step computed
    double stepdx = 0, stepdy = 0; // unscaled components of the last step, stepdy upwards
    double steplen = 0;            // length of the next step in vector units
    std::array<double, kPointSlots> vecpointx{}, vecpointy{};
    double degtorad = 0;
    std::string token, cmdletter, cmdarg;
    // Shared register: fill colour of the badges, repeat count of "W", dot colour of "X".
    std::int16_t auxvalue = 0;
    DirectionCache directions; // the steps' cosines and sines, kept across records
};

} // namespace kartino::vecgraphics
