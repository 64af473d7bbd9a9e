// BMP reader: every field is checked against the buffer before it is used.
#include "platform/gfx/bmp.hpp"

#include <fstream>
#include <iterator>
#include <vector>

namespace kartino::gfx {
namespace {

constexpr std::int64_t kMaxSide = 1 << 15;
constexpr std::int64_t kMaxPixels = 1 << 26;

struct Reader {
    std::span<const std::uint8_t> b;
    std::uint32_t u16(std::size_t at) const {
        need(at, 2);
        return b[at] | (b[at + 1] << 8);
    }
    std::uint32_t u32(std::size_t at) const {
        need(at, 4);
        return b[at] | (b[at + 1] << 8) | (b[at + 2] << 16) | (static_cast<std::uint32_t>(b[at + 3]) << 24);
    }
    std::int32_t i32(std::size_t at) const { return static_cast<std::int32_t>(u32(at)); }
    void need(std::size_t at, std::size_t n) const {
        if (at > b.size() || b.size() - at < n) throw ImageError("BMP file is truncated");
    }
};

struct Header {
    std::int64_t width = 0, height = 0;
    bool topDown = false;
    int bits = 0;
    std::uint32_t compression = 0;
    std::size_t paletteAt = 0, paletteCount = 0, paletteEntry = 4;
    std::size_t pixelsAt = 0;
};

Header parseHeader(const Reader &r) {
    if (r.b.size() < 2 || r.b[0] != 'B' || r.b[1] != 'M') throw ImageError("not a BMP file");
    Header h;
    h.pixelsAt = r.u32(10);
    std::uint32_t size = r.u32(14);
    if (size == 12) { // core header
        h.width = r.u16(18);
        h.height = r.u16(20);
        h.bits = static_cast<int>(r.u16(24));
        h.paletteEntry = 3;
    } else if (size >= 40) {
        h.width = r.i32(18);
        h.height = r.i32(22);
        h.bits = static_cast<int>(r.u16(28));
        h.compression = r.u32(30);
        std::uint32_t used = r.u32(46);
        if (h.bits <= 8 && used != 0) h.paletteCount = used;
    } else {
        throw ImageError("unknown BMP header size");
    }
    if (h.height < 0) {
        h.topDown = true;
        h.height = -h.height;
    }
    if (h.width <= 0 || h.height <= 0 || h.width > kMaxSide || h.height > kMaxSide ||
        h.width * h.height > kMaxPixels)
        throw ImageError("BMP size out of range");
    if (h.compression != 0) throw ImageError("compressed BMP files are not supported");
    if (h.bits != 1 && h.bits != 4 && h.bits != 8 && h.bits != 16 && h.bits != 24 && h.bits != 32)
        throw ImageError("unsupported BMP bit depth");
    h.paletteAt = 14 + static_cast<std::size_t>(size);
    if (h.bits <= 8) {
        std::size_t full = std::size_t{1} << h.bits;
        if (h.paletteCount == 0 || h.paletteCount > full) h.paletteCount = full;
        // Some writers store fewer entries than they declare: take what lies before the pixels.
        if (h.pixelsAt > h.paletteAt) {
            std::size_t room = (h.pixelsAt - h.paletteAt) / h.paletteEntry;
            if (room < h.paletteCount) h.paletteCount = room;
        } else {
            h.paletteCount = 0;
        }
        if (h.paletteCount == 0) throw ImageError("BMP palette missing");
    }
    return h;
}

Surface decodePixels(const Reader &r, const Header &h) {
    std::vector<Colour> palette(h.paletteCount);
    for (std::size_t i = 0; i < h.paletteCount; ++i) {
        std::size_t at = h.paletteAt + i * h.paletteEntry;
        r.need(at, 3);
        palette[i] = rgb(r.b[at + 2], r.b[at + 1], r.b[at]);
    }
    std::size_t stride = static_cast<std::size_t>((h.width * h.bits + 31) / 32 * 4);
    r.need(h.pixelsAt, stride * static_cast<std::size_t>(h.height));
    Surface s(static_cast<int>(h.width), static_cast<int>(h.height));
    for (int y = 0; y < s.height(); ++y) {
        const std::uint8_t *src = r.b.data() + h.pixelsAt + stride * static_cast<std::size_t>(y);
        Colour *row = s.row(h.topDown ? y : s.height() - 1 - y);
        for (int x = 0; x < s.width(); ++x) {
            switch (h.bits) {
            case 24:
            case 32: {
                const std::uint8_t *p = src + static_cast<std::size_t>(x) * (h.bits / 8);
                row[x] = rgb(p[2], p[1], p[0]);
                break;
            }
            case 16: { // 5-5-5
                unsigned v = src[2 * x] | (src[2 * x + 1] << 8);
                auto five = [](unsigned c) { return static_cast<int>((c << 3) | (c >> 2)); };
                row[x] = rgb(five((v >> 10) & 31), five((v >> 5) & 31), five(v & 31));
                break;
            }
            default: {
                int perByte = 8 / h.bits;
                unsigned byte = src[x / perByte];
                unsigned shift = static_cast<unsigned>(8 - h.bits * (x % perByte + 1));
                unsigned index = (byte >> shift) & ((1u << h.bits) - 1);
                // An index past the palette shows as black, as the system draws it.
                row[x] = index < palette.size() ? palette[index] : 0;
            }
            }
        }
    }
    return s;
}

} // namespace

Surface decodeBmp(std::span<const std::uint8_t> bytes) {
    Reader r{bytes};
    return decodePixels(r, parseHeader(r));
}

Surface readBmp(const std::string &path) {
    std::ifstream in(path, std::ios::binary);
    if (!in) throw ImageError(path + ": cannot open");
    std::vector<std::uint8_t> bytes((std::istreambuf_iterator<char>(in)), std::istreambuf_iterator<char>());
    try {
        return decodeBmp(bytes);
    } catch (const ImageError &e) {
        throw ImageError(path + ": " + e.what());
    }
}

} // namespace kartino::gfx
