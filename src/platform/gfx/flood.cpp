// Scanline seed fill (after Heckbert's "A Seed Fill Algorithm"): a stack of row segments, each
// filled as whole spans; only the overhang of a span beyond its parent is looked at again.
//
// Painted pixels must stop being fillable while the fill runs, even when the fill colour is
// not the border colour, so a bitmap of one bit per pixel records what has been painted. Runs
// are scanned eight pixels at a time (one bitmap byte), which keeps a whole-screen fill close
// to the cost of a memset of the buffer.
#include "platform/gfx/flood.hpp"

#include <algorithm>
#include <cstdint>
#include <cstring>
#include <cwchar>
#include <vector>

namespace kartino::gfx {
namespace {

typedef std::uint32_t Quad __attribute__((vector_size(16))); // four pixels

// Long spans go through the C library's wide memset, which uses the widest stores the machine
// has; pixels and wchar_t are both 32-bit words here.
void fillPixels(Colour *p, int n, Colour c) {
    if constexpr (sizeof(wchar_t) == sizeof(Colour)) {
        if (n >= 64) {
            std::wmemset(reinterpret_cast<wchar_t *>(p), static_cast<wchar_t>(c),
                         static_cast<std::size_t>(n));
            return;
        }
    }
    std::fill(p, p + n, c);
}

class Fill {
  public:
    Fill(Surface &s, Colour border, Colour paint)
        : s_(s), border_(border), paint_(paint), width_(s.width()), height_(s.height()),
          bytesPerRow_((s.width() + 7) / 8), painted_(scratch()) {
        // The bitmap is kept between fills and is all clear on entry; growing it clears the new
        // part. Only the rows a fill painted are cleared again afterwards, so a small fill on a
        // large surface does not pay for clearing a whole-screen bitmap.
        std::size_t bytes = static_cast<std::size_t>(bytesPerRow_) * static_cast<std::size_t>(height_);
        if (painted_.size() < bytes) painted_.resize(bytes, 0);
        borderQuad_ = Quad{border, border, border, border};
        stack_.reserve(256);
    }
    ~Fill() {
        if (top_ >= bottom_) return;
        std::fill(painted_.begin() + static_cast<std::ptrdiff_t>(top_) * bytesPerRow_,
                  painted_.begin() + static_cast<std::ptrdiff_t>(bottom_) * bytesPerRow_, std::uint8_t{0});
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

    Surface &s_;
    Colour border_, paint_;
    Quad borderQuad_;
    int width_, height_, bytesPerRow_;
    std::vector<std::uint8_t> &painted_;
    std::vector<Segment> stack_;

    static std::vector<std::uint8_t> &scratch() {
        thread_local std::vector<std::uint8_t> bitmap;
        return bitmap;
    }
    // The painted bounds, kept as plain numbers: they grow with every span.
    int left_ = 0, top_ = 0, right_ = 0, bottom_ = 0;
    Rect damage() const { return top_ < bottom_ ? Rect{left_, top_, right_, bottom_} : Rect{}; }

    const std::uint8_t *bits(int y) const {
        return painted_.data() + static_cast<std::size_t>(y) * bytesPerRow_;
    }
    bool inside(const Colour *row, const std::uint8_t *done, int x) const {
        return row[x] != border_ && !(done[x >> 3] & (1u << (x & 7)));
    }
    // All N pixels from x (a multiple of N; N = 8 or 32) fillable: no bit painted and no
    // border colour, compared four pixels at a time.
    template <int N> bool chunkInside(const Colour *row, const std::uint8_t *done, int x) const {
        std::uint8_t flags[N / 8];
        std::memcpy(flags, done + (x >> 3), sizeof flags);
        unsigned any = 0;
        for (std::uint8_t f : flags)
            any |= f;
        if (any != 0) return false;
        Quad hit{0, 0, 0, 0};
        for (int k = 0; k < N; k += 4) {
            Quad q;
            std::memcpy(&q, row + x + k, sizeof q);
            hit |= q == borderQuad_;
        }
        std::uint64_t half[2];
        std::memcpy(half, &hit, sizeof half);
        return (half[0] | half[1]) == 0;
    }

    // First x >= from that is not fillable (or the row's end): single pixels up to a multiple
    // of 8, chunks of 8 up to a multiple of 32, then chunks of 32, and back down at the end.
    int runRight(const Colour *row, const std::uint8_t *done, int x) const {
        while (x < width_ && (x & 7) != 0) {
            if (!inside(row, done, x)) return x;
            ++x;
        }
        while (x + 8 <= width_ && (x & 31) != 0 && chunkInside<8>(row, done, x))
            x += 8;
        if ((x & 31) == 0)
            while (x + 32 <= width_ && chunkInside<32>(row, done, x))
                x += 32;
        while (x + 8 <= width_ && chunkInside<8>(row, done, x))
            x += 8;
        while (x < width_ && inside(row, done, x))
            ++x;
        return x;
    }
    // Last x <= from that is not fillable, or -1; the mirror image of runRight.
    int runLeft(const Colour *row, const std::uint8_t *done, int x) const {
        while (x >= 0 && (x & 7) != 7) {
            if (!inside(row, done, x)) return x;
            --x;
        }
        while (x >= 7 && (x & 31) != 31 && chunkInside<8>(row, done, x - 7))
            x -= 8;
        if ((x & 31) == 31)
            while (x >= 31 && chunkInside<32>(row, done, x - 31))
                x -= 32;
        while (x >= 7 && chunkInside<8>(row, done, x - 7))
            x -= 8;
        while (x >= 0 && inside(row, done, x))
            --x;
        return x;
    }
    // Next fillable x after `from`, or x2 + 1 when there is none up to x2.
    int skip(const Colour *row, const std::uint8_t *done, int from, int x2) const {
        int x = from + 1;
        while (x <= x2 && !inside(row, done, x))
            ++x;
        return x;
    }

    void paintSpan(Colour *row, int y, int l, int r) { // [l, r)
        if (l >= r) return;
        fillPixels(row + l, r - l, paint_);
        // The bits of [l, r): a mask for the first and the last byte, whole bytes between.
        std::uint8_t *done = painted_.data() + static_cast<std::size_t>(y) * bytesPerRow_;
        const int first = l >> 3, last = (r - 1) >> 3;
        const auto head = static_cast<std::uint8_t>(0xFFu << (l & 7));
        const auto tail = static_cast<std::uint8_t>(0xFFu >> (7 - ((r - 1) & 7)));
        if (first == last) {
            done[first] |= head & tail;
        } else {
            done[first] |= head;
            std::fill(done + first + 1, done + last, std::uint8_t{0xFF});
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
        const std::uint8_t *done = bits(y);
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
            int end = runRight(row, done, x);
            paintSpan(row, y, l, end);
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
