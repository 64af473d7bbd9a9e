#pragma once
// The row kernels of the flood fill, on blocks of 32 pixels: one 32-bit word of stop bits each.
// Where the processor has 256-bit vectors they compare and paint eight pixels at a time.
#include "platform/gfx/surface.hpp"

#include <cstdint>

namespace kartino::gfx {

// Paints the n pixels from p.
void fillPixels(Colour *p, int n, Colour c);

// Bit i set for each of the 32 pixels from p that has the border colour.
std::uint32_t borderMask(const Colour *p, Colour border);

// From the block at x on, up to `end` (both multiples of 32): the first block that holds a
// painted pixel (a set bit in `done`, one a pixel) or one of the border colour, or `end`.
// Every block passed is painted while it is at hand.
int paintClearBlocks(Colour *row, const std::uint8_t *done, int x, int end, Colour border, Colour paint);

} // namespace kartino::gfx
