// Drawing a whole map: 200 records of 250 steps each (50,000 steps), every record a closed ring
// of 180 steps filled from inside, then 70 steps of a spiral over the fill, spread over a
// 1024 x 768 screen at the exercise's usual zoom. The baseline decodes a PNG of the same
// finished map with libpng: drawing should be no slower than loading the picture.
#include "common/palette.hpp"
#include "platform/backend/headless/headless_backend.hpp"
#include "platform/gfx/png.hpp"
#include "platform/ui/application.hpp"
#include "platform/ui/form.hpp"
#include "vecgraphics/vecdraw.hpp"

#include <benchmark/benchmark.h>

#include <cstdlib>
#include <string>

namespace {

using namespace kartino;

constexpr int kRecords = 200;
constexpr int kStepsPerRecord = 250;
constexpr int kWidth = 1024, kHeight = 768;
constexpr double kScale = 4 * kWidth / 640.0; // scalex(4) on a full 1024-pixel screen

struct MapFixture {
    common::Shared shared;
    vecgraphics::VectorTables vectors;
    vecgraphics::VecState drawing;
    basic::Random rnd;
    gfx::Surface pixels{kWidth, kHeight, 0};

    MapFixture() {
        for (int n = 0; n <= 16; ++n)
            shared.palette[static_cast<std::size_t>(n)] = {static_cast<std::uint8_t>(n * 15),
                                                           static_cast<std::uint8_t>(255 - n * 9),
                                                           static_cast<std::uint8_t>(n * 4)};
        for (int i = 0; i < kRecords; ++i) {
            int colour = 1 + i % 14, fill = 1 + (i + 5) % 14;
            vectors.recordtext[static_cast<std::size_t>(i)] =
                "C" + std::to_string(colour) + ",B" + std::to_string((i * 37) % 190) + "," +
                std::to_string((i * 53) % 360) + ",A0,M50,W180,1.6,2,G50,B45,90,F" + std::to_string(fill) +
                ",W70,0.5,5,*,";
        }
    }

    void drawmap() {
        pixels.fill(common::palcolor(shared, 0));
        vecgraphics::PixelSurface surface(pixels);
        drawon(surface);
    }
    void drawon(vecgraphics::DrawingSurface &surface) {
        for (std::int16_t i = 0; i < kRecords; ++i)
            vecgraphics::drawrecord(drawing, vectors, shared, rnd, surface,
                                    {i, kWidth / 2, 410, 15, kScale, 0, -1, kScale});
    }
};

void BM_DrawMap(benchmark::State &state) {
    MapFixture map;
    for (auto _ : state) {
        map.drawmap();
        benchmark::DoNotOptimize(map.pixels.row(0));
    }
    state.counters["steps/s"] =
        benchmark::Counter(kRecords * kStepsPerRecord, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_DrawMap)->Unit(benchmark::kMillisecond);

// The same map on a form of the program with AutoRedraw on (its persistent image and what it
// shows), as the exercise form draws it, until what the form shows is up to date.
void BM_DrawMapOnForm(benchmark::State &state) {
    MapFixture map;
    backend::HeadlessConfig config;
    config.screen = {kWidth, kHeight};
    backend::HeadlessBackend headless(std::move(config));
    ui::Application app(headless);
    ui::Form form(app, "FormKartino");
    form.setAutoRedraw(true);
    form.Show();
    vecgraphics::FormSurface surface(form);
    for (auto _ : state) {
        form.setBackColor(common::palcolor(map.shared, 0));
        map.drawon(surface);
        benchmark::DoNotOptimize(form.shown().row(0)); // what is shown brought up to date
    }
    state.counters["steps/s"] =
        benchmark::Counter(kRecords * kStepsPerRecord, benchmark::Counter::kIsIterationInvariantRate);
}
BENCHMARK(BM_DrawMapOnForm)->Unit(benchmark::kMillisecond);

void BM_DecodeMapPng(benchmark::State &state) {
    MapFixture map;
    map.drawmap();
    std::vector<std::uint8_t> png = gfx::encodePng(map.pixels);
    if (const char *out = std::getenv("KARTINO_BENCH_MAP_PNG")) gfx::writePng(out, map.pixels); // to look at
    for (auto _ : state) {
        gfx::Surface decoded = gfx::decodePng(png);
        benchmark::DoNotOptimize(decoded.row(0));
    }
}
BENCHMARK(BM_DecodeMapPng)->Unit(benchmark::kMillisecond);

} // namespace
