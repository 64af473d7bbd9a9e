#pragma once
// Small helpers for pixel tests: the set of pixels of one colour, and a picture as text rows.
#include "platform/gfx/surface.hpp"

#include <set>
#include <string>
#include <utility>
#include <vector>

namespace kartino::gfx::test {

using Pixels = std::set<std::pair<int, int>>;

inline Pixels pixelsOf(const Surface &s, Colour c) {
    Pixels out;
    for (int y = 0; y < s.height(); ++y)
        for (int x = 0; x < s.width(); ++x)
            if (s.at(x, y) == c) out.insert({x, y});
    return out;
}

// One string per row: '#' for pixels of colour `ink`, 'o' for `other`, '.' for anything else.
inline std::vector<std::string> picture(const Surface &s, Colour ink, Colour other = 0xFFFFFFFF) {
    std::vector<std::string> rows;
    for (int y = 0; y < s.height(); ++y) {
        std::string row;
        for (int x = 0; x < s.width(); ++x)
            row += s.at(x, y) == ink ? '#' : s.at(x, y) == other ? 'o' : '.';
        rows.push_back(row);
    }
    return rows;
}

inline constexpr Colour kWhite = 0xFFFFFF;
inline constexpr Colour kBlack = 0x000000;
inline constexpr Colour kRed = 0x0000FF;
inline constexpr Colour kBlue = 0xFF0000;

} // namespace kartino::gfx::test
