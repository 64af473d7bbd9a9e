#include "platform/gfx/bmp.hpp"
#include "platform/gfx/packed_surface.hpp"
#include "platform/gfx/png.hpp"

#include <gtest/gtest.h>

#include <cstdio>
#include <filesystem>

namespace kartino::gfx {
namespace {

using Bytes = std::vector<std::uint8_t>;

void put16(Bytes &b, std::size_t at, unsigned v) {
    b[at] = v & 0xFF;
    b[at + 1] = (v >> 8) & 0xFF;
}
void put32(Bytes &b, std::size_t at, std::uint32_t v) {
    for (int i = 0; i < 4; ++i)
        b[at + i] = (v >> (8 * i)) & 0xFF;
}

// A BMP with a 40-byte info header; `palette` holds BGRA entries, `rows` the stored rows.
Bytes bmp(int width, int height, int bits, const Bytes &palette, const std::vector<Bytes> &rows) {
    std::size_t stride = (width * bits + 31) / 32 * 4;
    std::size_t offset = 54 + palette.size();
    Bytes b(offset + stride * rows.size());
    b[0] = 'B', b[1] = 'M';
    put32(b, 2, static_cast<std::uint32_t>(b.size()));
    put32(b, 10, static_cast<std::uint32_t>(offset));
    put32(b, 14, 40);
    put32(b, 18, static_cast<std::uint32_t>(width));
    put32(b, 22, static_cast<std::uint32_t>(height));
    put16(b, 26, 1);
    put16(b, 28, static_cast<unsigned>(bits));
    put32(b, 46, static_cast<std::uint32_t>(palette.size() / 4));
    std::copy(palette.begin(), palette.end(), b.begin() + 54);
    for (std::size_t y = 0; y < rows.size(); ++y)
        std::copy(rows[y].begin(), rows[y].end(), b.begin() + offset + y * stride);
    return b;
}

TEST(Bmp, Reads24BitBottomUpRows) {
    // Stored bottom row first, blue-green-red per pixel, rows padded to 4 bytes.
    Bytes b = bmp(2, 2, 24, {}, {{1, 2, 3, 4, 5, 6}, {7, 8, 9, 10, 11, 12}});
    Surface s = decodeBmp(b);
    ASSERT_EQ(s.width(), 2);
    ASSERT_EQ(s.height(), 2);
    EXPECT_EQ(s.at(0, 1), rgb(3, 2, 1));
    EXPECT_EQ(s.at(1, 1), rgb(6, 5, 4));
    EXPECT_EQ(s.at(0, 0), rgb(9, 8, 7));
}

TEST(Bmp, Reads8BitPalettisedAndTopDown) {
    Bytes palette = {0, 0, 255, 0, /**/ 255, 0, 0, 0, /**/ 0, 255, 0, 0};
    Bytes b = bmp(3, -2, 8, palette, {{0, 1, 2}, {2, 2, 7}});
    Surface s = decodeBmp(b);
    EXPECT_EQ(s.at(0, 0), rgb(255, 0, 0));
    EXPECT_EQ(s.at(1, 0), rgb(0, 0, 255));
    EXPECT_EQ(s.at(2, 0), rgb(0, 255, 0));
    EXPECT_EQ(s.at(2, 1), 0u); // index past the palette
}

TEST(Bmp, Reads4And1BitRows) {
    Bytes palette = {0, 0, 0, 0, 255, 255, 255, 0};
    Surface one = decodeBmp(bmp(10, 1, 1, palette, {{0b10100000, 0b01000000}}));
    EXPECT_EQ(one.at(0, 0), 0xFFFFFFu);
    EXPECT_EQ(one.at(1, 0), 0u);
    EXPECT_EQ(one.at(2, 0), 0xFFFFFFu);
    EXPECT_EQ(one.at(9, 0), 0xFFFFFFu);
    Surface four = decodeBmp(bmp(3, 1, 4, palette, {{0x10, 0x10}}));
    EXPECT_EQ(four.at(0, 0), 0xFFFFFFu);
    EXPECT_EQ(four.at(1, 0), 0u);
    EXPECT_EQ(four.at(2, 0), 0xFFFFFFu);
}

TEST(Bmp, MalformedFilesRaiseAnErrorAtEveryLength) {
    Bytes palette = {0, 0, 255, 0, 255, 0, 0, 0};
    Bytes good = bmp(5, 3, 8, palette, {{0, 1, 0, 1, 0}, {1, 1, 1, 1, 1}, {0, 0, 0, 0, 0}});
    EXPECT_NO_THROW(decodeBmp(good));
    for (std::size_t n = 0; n < good.size(); ++n)
        EXPECT_THROW(decodeBmp(std::span(good.data(), n)), ImageError) << n;
    auto broken = [&](auto change) {
        Bytes b = good;
        change(b);
        return b;
    };
    EXPECT_THROW(decodeBmp(broken([](Bytes &b) { b[0] = 'X'; })), ImageError);
    EXPECT_THROW(decodeBmp(broken([](Bytes &b) { put32(b, 30, 1); })), ImageError); // RLE
    EXPECT_THROW(decodeBmp(broken([](Bytes &b) { put16(b, 28, 7); })), ImageError);
    EXPECT_THROW(decodeBmp(broken([](Bytes &b) { put32(b, 18, 0x7FFFFFFF); })), ImageError);
    EXPECT_THROW(decodeBmp(broken([](Bytes &b) { put32(b, 22, 0x80000000); })), ImageError);
    EXPECT_THROW(decodeBmp(broken([](Bytes &b) { put32(b, 10, 0xFFFFFFF0); })), ImageError);
    EXPECT_THROW(decodeBmp(broken([](Bytes &b) { put32(b, 14, 20); })), ImageError);
    EXPECT_THROW(readBmp("no-such-file.bmp"), ImageError);
}

TEST(Png, RoundTripsEveryPixelThroughAFileAndMemory) {
    Surface s(7, 5);
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x)
            s.set(x, y, rgb(x * 36, y * 60, (x * y * 13) & 0xFF));
    auto path = std::filesystem::temp_directory_path() / "kartino-gfx-roundtrip.png";
    writePng(path.string(), s);
    Surface back = readPng(path.string());
    std::filesystem::remove(path);
    ASSERT_EQ(back.width(), 7);
    ASSERT_EQ(back.height(), 5);
    Surface mem = decodePng(encodePng(s));
    for (int y = 0; y < 5; ++y)
        for (int x = 0; x < 7; ++x) {
            EXPECT_EQ(back.at(x, y), s.at(x, y));
            EXPECT_EQ(mem.at(x, y), s.at(x, y));
        }
}

TEST(Png, DamagedDataRaisesAnError) {
    Bytes png = encodePng(Surface(4, 4, rgb(1, 2, 3)));
    EXPECT_THROW(decodePng(std::span(png.data(), 20)), ImageError);
    Bytes damaged = png;
    for (std::size_t i = 40; i < damaged.size() - 12; ++i)
        damaged[i] ^= 0x5A;
    EXPECT_THROW(decodePng(damaged), ImageError);
    EXPECT_THROW(decodePng(Bytes{}), ImageError);
    EXPECT_THROW(readPng("no-such-file.png"), ImageError);
    EXPECT_THROW(writePng("no-such-folder/x.png", Surface(1, 1)), ImageError);
}

// A form out of sight keeps its image as runs: what comes back must be the same picture, runs
// cross row ends, and a picture that packs badly is kept as it is.
TEST(PackedSurface, GivesBackThePictureOrRefusesOneThatPacksBadly) {
    struct Case {
        const char *name;
        int width, height;
        Colour (*pixel)(int x, int y);
        bool packs;
    };
    const Case cases[] = {
        {"flat", 64, 48, [](int, int) { return rgb(192, 192, 192); }, true},
        {"stripes across row ends", 70, 50,
         [](int x, int y) { return (x + 70 * y) / 90 % 2 ? rgb(0, 0, 128) : 0u; }, true},
        {"text-like", 64, 48, [](int x, int y) { return y % 12 < 2 && x % 5 ? rgb(255, 255, 0) : 0u; }, true},
        {"photograph", 64, 48, [](int x, int y) { return rgb(x * 4, y * 5, (x * y) & 0xFF); }, false},
        {"one pixel: a run is larger", 1, 1, [](int, int) { return rgb(1, 2, 3); }, false},
    };
    for (const Case &c : cases) {
        Surface s(c.width, c.height);
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                s.set(x, y, c.pixel(x, y));
        auto packed = PackedSurface::pack(s);
        ASSERT_EQ(packed.has_value(), c.packs) << c.name;
        if (!packed) continue;
        EXPECT_LE(packed->bytes(), static_cast<std::size_t>(c.width * c.height)) << c.name;
        Surface back = packed->unpack();
        ASSERT_EQ(back.width(), c.width) << c.name;
        ASSERT_EQ(back.height(), c.height) << c.name;
        for (int y = 0; y < c.height; ++y)
            for (int x = 0; x < c.width; ++x)
                ASSERT_EQ(back.at(x, y), s.at(x, y)) << c.name << " at " << x << "," << y;
    }
    EXPECT_EQ(PackedSurface::pack(Surface())->unpack().width(), 0);
}

} // namespace
} // namespace kartino::gfx
