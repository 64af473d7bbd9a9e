#include "platform/gfx/flood_blocks.hpp"

#include "platform/gfx/flood.hpp"

#include <algorithm>
#include <cstring>
#include <cwchar>
#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace kartino::gfx {
namespace {

typedef std::uint32_t Quad __attribute__((vector_size(16))); // four pixels

// All ones in each of the four lanes from p that holds the border colour.
Quad borderLanes(const Colour *p, Quad border) {
    Quad q;
    std::memcpy(&q, p, sizeof q);
    return reinterpret_cast<Quad>(q == border);
}

// Bit i set for each lane i that compared equal.
std::uint32_t laneMask(Quad hit) {
#if defined(__x86_64__)
    return static_cast<std::uint32_t>(_mm_movemask_ps(_mm_castsi128_ps(reinterpret_cast<__m128i>(hit))));
#else
    return (hit[0] & 1u) | (hit[1] & 2u) | (hit[2] & 4u) | (hit[3] & 8u);
#endif
}

// First only whether the block holds a border pixel at all, with every compare kept in
// registers; the lanes are looked at one by one only for a block that has one.
std::uint32_t borderMaskPortable(const Colour *p, Colour border) {
    const Quad b{border, border, border, border};
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
}

#if defined(__x86_64__)
__attribute__((target("avx2"))) std::uint32_t borderMaskAvx2(const Colour *p, Colour border) {
    const __m256i b = _mm256_set1_epi32(static_cast<int>(border));
    const auto *q = reinterpret_cast<const __m256i *>(p);
    std::uint32_t m = 0;
    for (int k = 0; k < 4; ++k) {
        const __m256 hit = _mm256_castsi256_ps(_mm256_cmpeq_epi32(_mm256_loadu_si256(q + k), b));
        m |= static_cast<std::uint32_t>(_mm256_movemask_ps(hit)) << (8 * k);
    }
    return m;
}

__attribute__((target("avx2"))) int paintClearBlocksAvx2(Colour *row, const std::uint8_t *done, int x,
                                                         int end, Colour border, Colour paint) {
    const __m256i b = _mm256_set1_epi32(static_cast<int>(border));
    const __m256i c = _mm256_set1_epi32(static_cast<int>(paint));
    for (; x < end; x += 32) {
        std::uint32_t paintedBits;
        std::memcpy(&paintedBits, done + (x >> 3), sizeof paintedBits);
        if (paintedBits) return x;
        auto *p = reinterpret_cast<__m256i *>(row + x);
        const __m256i e01 = _mm256_or_si256(_mm256_cmpeq_epi32(_mm256_loadu_si256(p), b),
                                            _mm256_cmpeq_epi32(_mm256_loadu_si256(p + 1), b));
        const __m256i e23 = _mm256_or_si256(_mm256_cmpeq_epi32(_mm256_loadu_si256(p + 2), b),
                                            _mm256_cmpeq_epi32(_mm256_loadu_si256(p + 3), b));
        const __m256i e = _mm256_or_si256(e01, e23);
        if (!_mm256_testz_si256(e, e)) return x;
        for (int k = 0; k < 4; ++k)
            _mm256_storeu_si256(p + k, c);
    }
    return end;
}
#endif

// The processor's vector width is a property of the process, so the switch is too.
bool wideScanAllowed = true;

bool wide() {
#if defined(__x86_64__)
    static const bool have = __builtin_cpu_supports("avx2");
    return have && wideScanAllowed;
#else
    return false;
#endif
}

} // namespace

bool allowWideFloodScan(bool allow) {
    wideScanAllowed = allow;
    return wide();
}

// Long spans go through the C library's wide memset, which uses the widest stores the machine
// has; pixels and wchar_t are both 32-bit words here. Short ones are stored four pixels at a time.
void fillPixels(Colour *p, int n, Colour c) {
    if constexpr (sizeof(wchar_t) == sizeof(Colour)) {
        if (n >= 64) {
            std::wmemset(reinterpret_cast<wchar_t *>(p), static_cast<wchar_t>(c),
                         static_cast<std::size_t>(n));
            return;
        }
    }
    const Quad four{c, c, c, c};
    int i = 0;
    for (; i + 4 <= n; i += 4)
        std::memcpy(p + i, &four, sizeof four);
    for (; i < n; ++i)
        p[i] = c;
}

std::uint32_t borderMask(const Colour *p, Colour border) {
#if defined(__x86_64__)
    if (wide()) return borderMaskAvx2(p, border);
#endif
    return borderMaskPortable(p, border);
}

int paintClearBlocks(Colour *row, const std::uint8_t *done, int x, int end, Colour border, Colour paint) {
#if defined(__x86_64__)
    if (wide()) return x < end ? paintClearBlocksAvx2(row, done, x, end, border, paint) : x;
#endif
    for (; x < end; x += 32) {
        std::uint32_t paintedBits;
        std::memcpy(&paintedBits, done + (x >> 3), sizeof paintedBits);
        if (paintedBits || borderMaskPortable(row + x, border)) return x;
        std::fill(row + x, row + x + 32, paint);
    }
    return x;
}

} // namespace kartino::gfx
