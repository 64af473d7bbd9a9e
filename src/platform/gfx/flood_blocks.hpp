#pragma once
// The row kernels of the flood fill, on blocks of 32 pixels: one 32-bit word of stop bits each.
// Where the processor has 256-bit vectors they compare and paint eight pixels at a time.
// The short kernels are inline: a map's fills are mostly short runs.
#include "platform/gfx/surface.hpp"

#include <cstdint>
#include <cstring>
#if defined(__x86_64__)
#include <emmintrin.h>
#endif

namespace kartino::gfx {

namespace blocks {
typedef std::uint32_t Quad __attribute__((vector_size(16))); // four pixels

// All ones in each of the four lanes from p that holds the border colour.
inline Quad borderLanes(const Colour *p, Quad border) {
    Quad q;
    std::memcpy(&q, p, sizeof q);
    return reinterpret_cast<Quad>(q == border);
}

#if !defined(__x86_64__)
// Bit i set for each lane i that compared equal.
inline std::uint32_t laneMask(Quad hit) {
    return (hit[0] & 1u) | (hit[1] & 2u) | (hit[2] & 4u) | (hit[3] & 8u);
}
#endif
} // namespace blocks

// The painted bits of the block of 32 pixels from x (a multiple of 32), bit i for pixel x + i.
inline std::uint32_t paintedWord(const std::uint32_t *done, int x) {
    return done[x >> 5];
}

// Bit i set for each of the 32 pixels from p that has the border colour. With SSE2 the 32
// compares are packed to bytes and read as two 16-bit masks, with no branch; elsewhere only
// whether the block holds one at all is asked first, and the lanes are looked at one by one
// only for a block that has one.
inline std::uint32_t borderMask(const Colour *p, Colour border) {
    using namespace blocks;
    const Quad b{border, border, border, border};
#if defined(__x86_64__)
    auto half = [&](const Colour *q) {
        auto lanes = [&](int k) { return reinterpret_cast<__m128i>(borderLanes(q + 4 * k, b)); };
        const __m128i lo =
            _mm_packs_epi16(_mm_packs_epi32(lanes(0), lanes(1)), _mm_packs_epi32(lanes(2), lanes(3)));
        return static_cast<std::uint32_t>(_mm_movemask_epi8(lo));
    };
    return half(p) | (half(p + 16) << 16);
#else
    Quad any = borderLanes(p, b);
    for (int k = 1; k < 8; ++k)
        any |= borderLanes(p + 4 * k, b);
    std::uint64_t half[2];
    std::memcpy(half, &any, sizeof half);
    if ((half[0] | half[1]) == 0) return 0; // no border pixel: the common case inside a run
    std::uint32_t m = 0;
    for (int k = 0; k < 8; ++k)
        m |= laneMask(borderLanes(p + 4 * k, b)) << (4 * k);
    return m;
#endif
}

// From the block at x on, up to `end` (both multiples of 32, x < end): the first block that
// holds a painted pixel (a set bit in `done`, one a pixel) or one of the border colour, with its
// stop bits (its painted word and border mask) in `stops`; or `end`, leaving `stops` alone.
// Every block passed is painted while it is at hand.
using ClearBlocksKernel = int (*)(Colour *row, const std::uint32_t *done, int x, int end, Colour border,
                                  Colour paint, std::uint32_t &stops);
ClearBlocksKernel clearBlocksKernel(); // the widest this processor has, chosen once a fill

} // namespace kartino::gfx
