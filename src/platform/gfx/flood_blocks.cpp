#include "platform/gfx/flood_blocks.hpp"

#include "platform/gfx/flood.hpp"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace kartino::gfx {
namespace {

#if defined(__x86_64__)
// Bit i set for each of the eight lanes i that compared equal.
__attribute__((target("avx2"))) inline std::uint32_t bits(__m256i lanes) {
    return static_cast<std::uint32_t>(_mm256_movemask_ps(_mm256_castsi256_ps(lanes)));
}

__attribute__((target("avx2"))) int paintClearBlocksAvx2(Colour *row, const std::uint32_t *done, int x,
                                                         int end, Colour border, Colour paint,
                                                         std::uint32_t &stops) {
    const __m256i b = _mm256_set1_epi32(static_cast<int>(border));
    const __m256i c = _mm256_set1_epi32(static_cast<int>(paint));
    for (; x < end; x += 32) {
        auto *p = reinterpret_cast<__m256i *>(row + x);
        const __m256i e0 = _mm256_cmpeq_epi32(_mm256_loadu_si256(p), b);
        const __m256i e1 = _mm256_cmpeq_epi32(_mm256_loadu_si256(p + 1), b);
        const __m256i e2 = _mm256_cmpeq_epi32(_mm256_loadu_si256(p + 2), b);
        const __m256i e3 = _mm256_cmpeq_epi32(_mm256_loadu_si256(p + 3), b);
        const std::uint32_t painted = paintedWord(done, x);
        const __m256i any = _mm256_or_si256(_mm256_or_si256(e0, e1), _mm256_or_si256(e2, e3));
        if (painted || !_mm256_testz_si256(any, any)) {
            stops = painted | bits(e0) | bits(e1) << 8 | bits(e2) << 16 | bits(e3) << 24;
            return x;
        }
        for (int k = 0; k < 4; ++k)
            _mm256_storeu_si256(p + k, c);
    }
    return end;
}
#endif

int paintClearBlocksPortable(Colour *row, const std::uint32_t *done, int x, int end, Colour border,
                             Colour paint, std::uint32_t &stops) {
    for (; x < end; x += 32) {
        const std::uint32_t m = paintedWord(done, x) | borderMask(row + x, border);
        if (m) {
            stops = m;
            return x;
        }
        fillPixels(row + x, 32, paint);
    }
    return x;
}

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

ClearBlocksKernel clearBlocksKernel() {
#if defined(__x86_64__)
    if (wide()) return paintClearBlocksAvx2;
#endif
    return paintClearBlocksPortable;
}

} // namespace kartino::gfx
