#pragma once
// A small pixel surface with a palette of 17 distinct colours and the interpreter's tables, for
// drawing single records and looking at their pixels. Scale 4 makes one vector unit one pixel.
#include "common/palette.hpp"
#include "vecgraphics/vecdraw.hpp"

#include <gtest/gtest.h>

#include <string>
#include <vector>

namespace kartino::testkit {

struct Pixel {
    int x, y;
    bool operator==(const Pixel &) const = default;
};

class VecFixture : public ::testing::Test {
  protected:
    VecFixture() {
        for (int n = 0; n <= 16; ++n)
            shared.palette[static_cast<std::size_t>(n)] = {static_cast<std::uint8_t>(n * 15),
                                                           static_cast<std::uint8_t>(100 + n),
                                                           static_cast<std::uint8_t>(200 - n * 7)};
        pixels = gfx::Surface(kSize, kSize, colour(0));
    }

    static constexpr int kSize = 64;
    static constexpr int kCentre = 32;

    std::uint32_t colour(int n) const { return common::palcolor(shared, n); }

    // Draws `text` (its tokens, without the final "*,") as record `record` from the centre.
    std::optional<vecgraphics::MalformedRecord> draw(const std::string &text, double scale = 4,
                                                     std::int16_t fillflag = -1, std::int16_t record = 0,
                                                     double baseangle = 0) {
        vectors.recordtext[static_cast<std::size_t>(record)] = text + "*,";
        return call(record, scale, fillflag, baseangle);
    }
    std::optional<vecgraphics::MalformedRecord> call(std::int16_t record, double scale = 4,
                                                     std::int16_t fillflag = -1, double baseangle = 0) {
        vecgraphics::VecCall c{record, kCentre, kCentre, 15, scale, baseangle, fillflag, std::nullopt};
        return vecgraphics::drawrecord(drawing, vectors, shared, rnd, surface, c);
    }

    std::uint32_t at(int x, int y) const { return pixels.at(x, y); }
    // Every pixel of colour number n, row by row.
    std::vector<Pixel> pixelsOf(int n) const {
        std::vector<Pixel> found;
        for (int y = 0; y < kSize; ++y)
            for (int x = 0; x < kSize; ++x)
                if (pixels.at(x, y) == colour(n)) found.push_back({x, y});
        return found;
    }
    int count(int n) const { return static_cast<int>(pixelsOf(n).size()); }
    int painted() const { return kSize * kSize - count(0); }

    common::Shared shared;
    gfx::Surface pixels;
    vecgraphics::PixelSurface surface{pixels};
    vecgraphics::VectorTables vectors;
    vecgraphics::VecState drawing;
    basic::Random rnd;
};

} // namespace kartino::testkit
