// The maps of the real samples drawn as the map set-up draws them, the design area filling the
// screen, against decoding a PNG of the same finished picture with libpng. The vector file, its
// header and the palette are read once, outside the timing. Arguments: the map's row in kMaps,
// the screen's width and height.
#include "render_lib.hpp"

#include "platform/gfx/png.hpp"

#include <benchmark/benchmark.h>

#include <array>
#include <string>

namespace {

using namespace kartino;

struct SampleMap {
    const char *vectorfile; // below examples/
    const char *palette;
};

// The largest map of each real sample.
constexpr std::array<SampleMap, 2> kMaps{{
    {"europe/KARTEN/Osten.VEC", "europe/DATEN/stdvga64"},
    {"world/KARTEN/WELT.VEC", "world/DATEN/stdvga64"},
}};

render::Options optionsFor(const benchmark::State &state) {
    const SampleMap &map = kMaps.at(static_cast<std::size_t>(state.range(0)));
    render::Options o;
    o.input = std::string(KARTINO_EXAMPLES_DIR) + "/" + map.vectorfile;
    o.palette = std::string(KARTINO_EXAMPLES_DIR) + "/" + map.palette;
    o.width = static_cast<int>(state.range(1));
    o.height = static_cast<int>(state.range(2));
    return o;
}

void BM_DrawRealMap(benchmark::State &state) {
    const render::Options o = optionsFor(state);
    render::LoadedMapPtr map = render::load(o);
    state.SetLabel(o.input.substr(o.input.rfind('/') + 1));
    for (auto _ : state) {
        render::Rendering r = render::draw(*map, o);
        benchmark::DoNotOptimize(r.picture.row(0));
    }
}
// Both maps at 1024 x 768; the largest also at the other screen sizes, for the growth table.
void screens(benchmark::internal::Benchmark *b) {
    b->Args({0, 1024, 768})->Args({1, 1024, 768});
    b->Args({0, 800, 600})->Args({0, 1920, 1080})->Args({0, 3840, 2160});
    b->Unit(benchmark::kMillisecond);
}
BENCHMARK(BM_DrawRealMap)->Apply(screens);

void BM_DecodeRealMapPng(benchmark::State &state) {
    const render::Options o = optionsFor(state);
    const std::vector<std::uint8_t> png = gfx::encodePng(render::render(o).picture);
    state.SetLabel(o.input.substr(o.input.rfind('/') + 1));
    for (auto _ : state) {
        gfx::Surface decoded = gfx::decodePng(png);
        benchmark::DoNotOptimize(decoded.row(0));
    }
}
BENCHMARK(BM_DecodeRealMapPng)->Apply(screens);

} // namespace
