// Scanline seed fill (after Heckbert's "A Seed Fill Algorithm"): a stack of row segments, each
// filled as whole spans; only the overhang of a span beyond its parent is looked at again.
//
// Painted pixels must stop being fillable while the fill runs, even when the fill colour is
// not the border colour, so a bitmap of one bit per pixel (a 32-bit word a block) records what
// has been painted. Runs are scanned in blocks of 32 pixels, each turned into one word of stop
// bits (flood_blocks.hpp), which keeps a whole-screen fill close to the cost of a memset of the
// buffer and a short row cheap.
#include "platform/gfx/flood.hpp"
#include "platform/gfx/flood_blocks.hpp"

#include <algorithm>
#include <bit>
#include <cstdint>
#include <vector>

namespace kartino::gfx {
namespace {

class Fill {
  public:
    Fill(Surface &s, Colour border, Colour paint)
        : s_(s), border_(border), paint_(paint), width_(s.width()), height_(s.height()),
          wordsPerRow_((s.width() + 31) / 32), painted_(scratch()) {
        // The bitmap is kept between fills and is all clear on entry; growing it clears the new
        // part. Only the box a fill painted is cleared again afterwards, so a small fill on a
        // large surface does not pay for clearing a whole-screen bitmap.
        std::size_t words = static_cast<std::size_t>(wordsPerRow_) * static_cast<std::size_t>(height_);
        if (painted_.size() < words) painted_.resize(words, 0);
        stack_.reserve(256);
    }
    ~Fill() {
        if (top_ >= bottom_) return;
        // The words of the painted box: a country's fill touches a few words a row. A box of
        // more than half the width is cleared in whole rows, in one go.
        std::uint32_t *bits = painted_.data() + static_cast<std::size_t>(top_) * wordsPerRow_;
        const int first = left_ >> 5, words = ((right_ - 1) >> 5) - first + 1;
        if (2 * words > wordsPerRow_) {
            std::fill_n(bits, static_cast<std::size_t>(bottom_ - top_) * wordsPerRow_, 0u);
            return;
        }
        for (int y = top_; y < bottom_; ++y, bits += wordsPerRow_)
            std::fill_n(bits + first, words, 0u);
    }
    Fill(const Fill &) = delete;
    Fill &operator=(const Fill &) = delete;

    Rect run(int seedX, int seedY) {
        push(seedY, seedX, seedX, 1);
        push(seedY + 1, seedX, seedX, -1);
        while (!stack_.empty()) {
            Segment seg = stack_.back();
            stack_.pop_back();
            fillRow(seg);
        }
        return damage();
    }

  private:
    struct Segment {
        int y, xl, xr, dy; // parent row y, its span [xl, xr], direction of the row to fill
    };

    static constexpr int kBlock = 32; // pixels per scanned block: one 32-bit word of stops

    Surface &s_;
    Colour border_, paint_;
    int width_, height_, wordsPerRow_;
    std::vector<std::uint32_t> &painted_;
    std::vector<Segment> stack_;
    const ClearBlocksKernel clearBlocks_ = clearBlocksKernel();
    int cachedBase_ = -1;
    std::uint32_t cachedStops_ = 0;

    static std::vector<std::uint32_t> &scratch() {
        thread_local std::vector<std::uint32_t> bitmap;
        return bitmap;
    }
    // The painted bounds, kept as plain numbers: they grow with every span.
    int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
    Rect damage() const { return top_ < bottom_ ? Rect{left_, top_, right_, bottom_} : Rect{}; }

    const std::uint32_t *bits(int y) const {
        return painted_.data() + static_cast<std::size_t>(y) * wordsPerRow_;
    }
    bool inside(const Colour *row, const std::uint32_t *done, int x) const {
        return row[x] != border_ && !(done[x >> 5] & (1u << (x & 31)));
    }
    // The pixels of the block of 32 from x (a multiple of 32) that stop a run, bit i for
    // pixel x + i: the border colour, painted, or past the row's end. A whole block is its
    // painted word and the border mask of its 32 pixels, so finding the end of a run costs one
    // count of trailing zeros instead of a branch per pixel.
    std::uint32_t blockStops(const Colour *row, const std::uint32_t *done, int x) const {
        if (x + kBlock > width_) {
            std::uint32_t m = 0;
            for (int i = 0; i < kBlock; ++i)
                if (x + i >= width_ || !inside(row, done, x + i)) m |= 1u << i;
            return m;
        }
        const std::uint32_t m = paintedWord(done, x);
        if (m == ~0u) return m; // painted all through
        return m | borderMask(row + x, border_);
    }

    // The stops of the block from x, remembered for the row being filled: its left end, its
    // right end and the skip after a span usually fall in the same block. Painting a span only
    // sets bits left of where the next scan starts, so the remembered word stays valid.
    std::uint32_t stops(const Colour *row, const std::uint32_t *done, int x) {
        if (x != cachedBase_) {
            cachedBase_ = x;
            cachedStops_ = blockStops(row, done, x);
        }
        return cachedStops_;
    }

    // From the block at x on: the first block that holds a stop, or the end of the row's last
    // whole block; the blocks passed are painted. Long runs (the sea, a whole screen) go here.
    // The stops of the block it ends on are remembered, as the kernel has them at hand.
    int paintClearBlocks(Colour *row, const std::uint32_t *done, int x) {
        const int end = width_ & ~(kBlock - 1);
        if (x >= end) return x;
        const int stop = clearBlocks_(row, done, x, end, border_, paint_, cachedStops_);
        if (stop < end) cachedBase_ = stop;
        return stop;
    }

    // Paints the run from l to the first x from `from` on that is not fillable (l <= from, the
    // pixels between fillable), and returns that x (or the row's end). The painted bits are
    // left to the caller.
    int paintRunRight(Colour *row, const std::uint32_t *done, int l, int from) {
        int base = from & ~(kBlock - 1);
        std::uint32_t m = stops(row, done, base) & (~0u << (from & (kBlock - 1)));
        int paintedTo = l;
        while (m == 0) { // the rest of this block is fillable, and it is a whole block
            fillPixels(row + paintedTo, base + kBlock - paintedTo, paint_);
            base = paintedTo = paintClearBlocks(row, done, base + kBlock);
            if (base >= width_) return width_;
            m = stops(row, done, base);
        }
        const int end = base + std::countr_zero(m);
        fillPixels(row + paintedTo, end - paintedTo, paint_);
        return end;
    }
    // Last x <= from that is not fillable, or -1.
    int runLeft(const Colour *row, const std::uint32_t *done, int from) {
        int base = from & ~(kBlock - 1);
        std::uint32_t m = stops(row, done, base) & (~0u >> (kBlock - 1 - (from & (kBlock - 1))));
        while (m == 0) {
            base -= kBlock;
            if (base < 0) return -1;
            m = stops(row, done, base);
        }
        return base + kBlock - 1 - std::countl_zero(m);
    }
    // Next fillable x after `from`, or x2 + 1 when there is none up to x2.
    int skip(const Colour *row, const std::uint32_t *done, int from, int x2) {
        const int x = from + 1;
        if (x > x2) return x2 + 1;
        int base = x & ~(kBlock - 1);
        std::uint32_t m = ~stops(row, done, base) & (~0u << (x & (kBlock - 1)));
        while (m == 0) {
            base += kBlock;
            if (base > x2) return x2 + 1;
            m = ~stops(row, done, base);
        }
        return std::min(base + std::countr_zero(m), x2 + 1);
    }

    // Records [l, r) of row y as painted.
    void markPainted(int y, int l, int r) {
        if (l >= r) return;
        // The bits of [l, r): a mask for the first and the last word, whole words between.
        std::uint32_t *done = painted_.data() + static_cast<std::size_t>(y) * wordsPerRow_;
        const int first = l >> 5, last = (r - 1) >> 5;
        const std::uint32_t head = ~0u << (l & 31), tail = ~0u >> (31 - ((r - 1) & 31));
        if (first == last) {
            done[first] |= head & tail;
        } else {
            done[first] |= head;
            for (int i = first + 1; i < last; ++i)
                done[i] = ~0u;
            done[last] |= tail;
        }
        if (top_ >= bottom_) {
            left_ = l, top_ = y, right_ = r, bottom_ = y + 1;
        } else {
            left_ = std::min(left_, l), right_ = std::max(right_, r);
            top_ = std::min(top_, y), bottom_ = std::max(bottom_, y + 1);
        }
    }
    void push(int y, int xl, int xr, int dy) {
        if (y + dy >= 0 && y + dy < height_) stack_.push_back({y, xl, xr, dy});
    }

    void fillRow(const Segment &seg) {
        int dy = seg.dy, y = seg.y + dy, x1 = seg.xl, x2 = seg.xr;
        Colour *row = s_.row(y);
        const std::uint32_t *done = bits(y);
        cachedBase_ = -1;
        int x = runLeft(row, done, x1);
        int l;
        if (x < x1) {
            // The run through x1, painted as one span with its part right of x1.
            l = x + 1;
            if (l < x1) push(y, l, x1 - 1, -dy); // overhang on the left: back towards the parent
            x = x1;
        } else {
            x = skip(row, done, x, x2);
            l = x;
            if (x > x2) return;
        }
        while (true) {
            int end = paintRunRight(row, done, l, x);
            markPainted(y, l, end);
            x = end;
            push(y, l, x - 1, dy);
            if (x > x2 + 1) push(y, x2 + 1, x - 1, -dy); // overhang on the right
            x = skip(row, done, x, x2);
            l = x;
            if (x > x2) return;
        }
    }
};

} // namespace

Rect floodFill(Surface &s, int x, int y, Colour border, Colour fill) {
    border &= 0xFFFFFF;
    if (!s.contains(x, y) || s.at(x, y) == border) return {};
    return Fill(s, border, fill & 0xFFFFFF).run(x, y);
}

} // namespace kartino::gfx
