// Arbitrary bytes as a vector file, read through fngrafin and every loaded record drawn with
// vecdraw on a small surface. The first three bytes choose the call: the scale, the base angle
// and the fill flag, and whether one record number outside the tables is tried as well. No
// input may crash, hang or write outside the surface; every record either draws or is
// reported, and leaves the surface with a transparent fill style.
#include "vecgraphics/vecdraw.hpp"
#include "vecgraphics/vector_reader.hpp"

#include "fuzz_support.hpp"

#include <cstdint>
#include <string>

namespace {

using namespace kartino;
using fuzzing::check;
using fuzzing::SessionEnded;

constexpr double kScales[] = {4, 6.4, 1, 0.01, 40, -4};
constexpr double kBases[] = {0, 90, -45, 1e6};

} // namespace

extern "C" int LLVMFuzzerTestOneInput(const std::uint8_t *data, std::size_t size) {
    if (size < 3) return 0;
    fuzzing::FuzzSession session("karte.vec", data, size, 3);
    const std::string &file = session.file;
    common::Services &services = session.services;
    common::Shared &shared = session.shared;
    basic::Random &rnd = session.rnd;
    for (int n = 0; n <= 16; ++n)
        shared.palette[static_cast<std::size_t>(n)] = {static_cast<std::uint8_t>(n * 13),
                                                       static_cast<std::uint8_t>(n), 7};

    vecgraphics::VectorTables vectors;
    vecgraphics::ThinningSettings thinning;
    std::int16_t upper = 0;
    try {
        upper = vecgraphics::fngrafin(services, shared, vectors, thinning, file, 0, -1);
    } catch (const SessionEnded &) {
        return 0;
    }

    double scale = kScales[data[0] % std::size(kScales)];
    double base = kBases[(data[0] / 8) % std::size(kBases)];
    std::int16_t fillflag = (data[1] & 1) ? -1 : 0;
    gfx::Surface pixels(96, 72, 0);
    vecgraphics::PixelSurface surface(pixels);
    vecgraphics::VecState drawing;
    auto x = static_cast<std::int16_t>(data[2] % 128), y = static_cast<std::int16_t>(data[2] / 2);
    for (int i = 0; i <= upper; ++i) {
        vecgraphics::vecdraw(services, shared, vectors, drawing, surface,
                             {.record = static_cast<std::int16_t>(i),
                              .x = x,
                              .y = y,
                              .scalex = scale,
                              .baseangle = base,
                              .fillflag = fillflag,
                              .scaley = (data[1] & 2) ? std::optional<double>(scale * 0.75) : std::nullopt});
        check(surface.pen().fillStyle == 1);
    }
    if (data[1] & 4) {
        vecgraphics::VecCall outside{static_cast<std::int16_t>(upper + 1 + (data[1] >> 3) * 100),
                                     x,
                                     y,
                                     15,
                                     scale,
                                     base,
                                     fillflag,
                                     std::nullopt};
        auto fault = vecgraphics::drawrecord(drawing, vectors, shared, rnd, surface, outside);
        check(outside.record <= 200 || fault.has_value());
    }
    return 0;
}
