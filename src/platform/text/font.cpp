#include "platform/text/font.hpp"

#include "platform/text/font_cache.hpp"

#include <algorithm>
#include <cmath>

namespace kartino::text {

namespace {

// Calls `line(begin, end, n)` for each line of `bytes`; CR, LF and CR LF end a line.
template <class F> void forEachLine(std::string_view bytes, F &&line) {
    std::size_t start = 0;
    int n = 0;
    for (std::size_t i = 0; i < bytes.size(); ++i) {
        if (bytes[i] != '\r' && bytes[i] != '\n') continue;
        line(bytes.substr(start, i - start), n++);
        if (bytes[i] == '\r' && i + 1 < bytes.size() && bytes[i + 1] == '\n') ++i;
        start = i + 1;
    }
    line(bytes.substr(start), n);
}

int lineWidth(const detail::FontImpl &impl, std::string_view line) {
    int w = 0;
    for (char ch : line)
        w += impl.glyphOf(static_cast<unsigned char>(ch)).advance;
    return w;
}

// Sets the glyph's pixels with the pen at (penX, baseline), within `clip`; returns the rectangle
// of the glyph's box that lies inside `clip`.
gfx::Rect drawGlyph(gfx::Surface &s, const detail::Glyph &g, int penX, int baseline, gfx::Colour colour,
                    const gfx::Rect &clip) {
    gfx::Rect box{penX + g.left, baseline - g.top, penX + g.left + g.width, baseline - g.top + g.rows};
    gfx::Rect r = box.intersect(clip);
    if (r.empty()) return {};
    int left = r.right, right = r.left, top = r.bottom, bottom = r.top;
    for (int y = r.top; y < r.bottom; ++y) {
        const std::uint8_t *mask = g.mask.data() + static_cast<std::size_t>(y - box.top) * g.width;
        gfx::Colour *row = s.row(y);
        bool any = false;
        for (int x = r.left; x < r.right; ++x)
            if (mask[x - box.left]) {
                row[x] = colour;
                left = std::min(left, x);
                right = std::max(right, x + 1);
                any = true;
            }
        if (any) {
            top = std::min(top, y);
            bottom = y + 1;
        }
    }
    return left < right ? gfx::Rect{left, top, right, bottom} : gfx::Rect{};
}

} // namespace

int pixelSizeFor(double points, double dpi) {
    double px = points * dpi / 72.0;
    if (!(px >= 1.0)) return 1; // also NaN
    return px >= 1000.0 ? 1000 : static_cast<int>(std::floor(px + 0.5));
}

Fonts::Fonts() : cache_(std::make_unique<detail::FontCache>()) {}

Fonts::~Fonts() = default;

Font Fonts::open(const FontSpec &fontspec, double dpi) {
    return Font(cache_->font(fontspec, pixelSizeFor(fontspec.points, dpi)));
}

std::string Fonts::resolvedFile(const std::string &name, bool bold, bool italic) {
    return cache_->resolve(name, bold, italic);
}

const FontSpec &Font::fontspec() const {
    return impl_->fontspec;
}
int Font::pixelSize() const {
    return impl_->sized->pixelSize;
}
const std::string &Font::file() const {
    return impl_->sized->file();
}
int Font::ascent() const {
    return impl_->ascent;
}
int Font::descent() const {
    return impl_->descent;
}
int Font::lineHeight() const {
    return impl_->lineHeight;
}
unsigned Font::glyphIndex(unsigned char byte) const {
    return impl_->glyphIndexOf(byte);
}

int Font::textWidth(std::string_view bytes) const {
    int widest = 0;
    forEachLine(bytes,
                [&](std::string_view line, int) { widest = std::max(widest, lineWidth(*impl_, line)); });
    return widest;
}

int Font::textHeight(std::string_view bytes) const {
    int lines = 0;
    forEachLine(bytes, [&](std::string_view, int n) { lines = n + 1; });
    return lines * lineHeight();
}

gfx::Rect Font::drawText(gfx::Surface &surface, int x, int y, std::string_view bytes, gfx::Colour colour,
                         const gfx::Rect *clip) const {
    gfx::Rect limit = clip ? clip->intersect(surface.bounds()) : surface.bounds();
    colour &= 0xFFFFFF;
    const detail::SizedFace &sized = *impl_->sized;
    gfx::Rect changed;
    forEachLine(bytes, [&](std::string_view line, int n) {
        int top = y + n * lineHeight();
        int baseline = top + impl_->ascent;
        int pen = x;
        for (char ch : line) {
            const detail::Glyph &g = impl_->glyphOf(static_cast<unsigned char>(ch));
            changed = changed.unite(drawGlyph(surface, g, pen, baseline, colour, limit));
            pen += g.advance;
        }
        if (impl_->fontspec.underline && pen > x) {
            int uy = baseline + sized.underlineOffset;
            gfx::Rect bar = gfx::Rect{x, uy, pen, uy + sized.underlineThickness}.intersect(limit);
            surface.fill(bar, colour);
            changed = changed.unite(bar);
        }
    });
    return changed;
}

} // namespace kartino::text
