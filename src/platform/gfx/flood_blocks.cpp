#include "platform/gfx/flood_blocks.hpp"

#include "platform/gfx/flood.hpp"

#if defined(__x86_64__)
#include <immintrin.h>
#endif

namespace kartino::gfx {
namespace {

#if defined(__x86_64__)
__attribute__((target("avx2"))) int paintClearBlocksAvx2(Colour *row, const std::uint32_t *done, int x,
                                                         int end, Colour border, Colour paint) {
    const __m256i b = _mm256_set1_epi32(static_cast<int>(border));
    const __m256i c = _mm256_set1_epi32(static_cast<int>(paint));
    for (; x < end; x += 32) {
        if (paintedWord(done, x)) return x;
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

int paintClearBlocksPortable(Colour *row, const std::uint32_t *done, int x, int end, Colour border,
                             Colour paint) {
    for (; x < end; x += 32) {
        if (paintedWord(done, x) || borderMask(row + x, border)) return x;
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
