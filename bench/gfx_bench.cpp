// Raster layer: the cross-hair step, whole-screen and country flood fills against memset, and random lines
// against Cairo (antialiasing off) on the same surface size.
#include "platform/gfx/draw.hpp"
#include "platform/gfx/flood.hpp"

#include <benchmark/benchmark.h>
#include <cairo.h>

#include <algorithm>
#include <cmath>
#include <cstring>
#include <random>
#include <utility>
#include <vector>

namespace {

using namespace kartino::gfx;

Surface mapLikeScreen(int w, int h) {
    Surface s(w, h);
    for (int y = 0; y < h; ++y)
        for (int x = 0; x < w; ++x)
            s.set(x, y, rgb(x * 7, y * 3, (x ^ y) & 0xFF));
    return s;
}

// One mouse move of the cross-hair: restore the save box at the old point, save it at the new
// point, draw the two arms (arguments: width and height; arm 6 and box 14 x 14 at 1024 wide, both
// growing with the width as the design area fills the screen).
void BM_CrossHairStep(benchmark::State &state) {
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    Surface screen = mapLikeScreen(w, h);
    const int arm = std::max(1, 6 * w / 1024), box = 2 * arm + 2;
    Surface save(box, box);
    int x = 300, y = 300, step = 0;
    bitBlt(save, 0, 0, box, box, screen, x - arm, y - arm);
    for (auto _ : state) {
        int nx = 300 + (step * 7) % 400, ny = 300 + (step * 3) % 200;
        ++step;
        Rect damage = bitBlt(screen, x - arm, y - arm, box, box, save, 0, 0);
        damage = damage.unite(bitBlt(save, 0, 0, box, box, screen, nx - arm, ny - arm));
        damage = damage.unite(line(screen, nx - arm, ny, nx + arm + 1, ny, rgb(255, 255, 255)));
        damage = damage.unite(line(screen, nx, ny - arm, nx, ny + arm + 1, rgb(255, 255, 255)));
        benchmark::DoNotOptimize(damage);
        x = nx, y = ny;
    }
}
BENCHMARK(BM_CrossHairStep)->Args({800, 600})->Args({1024, 768})->Args({1920, 1080})->Args({3840, 2160});

// Whole-screen fill (nothing of the border colour on screen), alternating the fill colour so
// every iteration repaints every pixel.
void BM_FloodFill(benchmark::State &state) {
    int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    Surface s(w, h, rgb(255, 255, 255));
    Colour colours[2] = {rgb(0, 0, 255), rgb(255, 255, 255)};
    int i = 0;
    for (auto _ : state) {
        Rect r = floodFill(s, w / 2, h / 2, rgb(0, 0, 0), colours[i++ & 1]);
        benchmark::DoNotOptimize(r);
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(w) * h * 4);
}
BENCHMARK(BM_FloodFill)->Args({800, 600})->Args({1024, 768})->Args({1920, 1080})->Args({3840, 2160});

// Baseline: memset of the same pixel buffer.
void BM_FloodFillMemsetBaseline(benchmark::State &state) {
    int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    Surface s(w, h, rgb(255, 255, 255));
    int i = 0;
    for (auto _ : state) {
        std::memset(s.row(0), (i++ & 1) ? 0xFF : 0x00, static_cast<std::size_t>(w) * h * sizeof(Colour));
        benchmark::ClobberMemory();
    }
    state.SetBytesProcessed(state.iterations() * static_cast<int64_t>(w) * h * 4);
}
BENCHMARK(BM_FloodFillMemsetBaseline)
    ->Args({800, 600})
    ->Args({1024, 768})
    ->Args({1920, 1080})
    ->Args({3840, 2160});

// A country of a map: a closed, irregular outline (bays and capes, about 3 percent of a
// 1024 x 768 screen) in the border colour, filled from inside as the map's fill command does.
// The fill colour alternates, so every iteration repaints the whole country.
struct Country {
    Surface screen{1024, 768, rgb(0, 90, 0)};
    int pixels = 0; // inside the outline

    Country() {
        const double cx = 500, cy = 380, radius = 80, pi = 3.14159265358979;
        auto at = [&](int k) {
            double t = 2 * pi * k / 360,
                   r = radius * (1 + 0.25 * std::sin(3 * t) + 0.1 * std::sin(7 * t + 1));
            return std::pair<int, int>{static_cast<int>(cx + r * std::cos(t)),
                                       static_cast<int>(cy + r * std::sin(t))};
        };
        for (int k = 0; k < 360; ++k) {
            auto [x0, y0] = at(k);
            auto [x1, y1] = at(k + 1);
            line(screen, x0, y0, x1, y1, rgb(0, 0, 0));
            screen.set(x1, y1, rgb(0, 0, 0));
        }
        Rect r = floodFill(screen, 500, 380, rgb(0, 0, 0), rgb(200, 0, 0));
        for (int y = r.top; y < r.bottom; ++y)
            for (int x = r.left; x < r.right; ++x)
                pixels += screen.at(x, y) == rgb(200, 0, 0);
    }
};

void BM_FloodFillCountry(benchmark::State &state) {
    Country country;
    Colour colours[2] = {rgb(0, 0, 255), rgb(200, 0, 0)};
    int i = 0;
    for (auto _ : state) {
        Rect r = floodFill(country.screen, 500, 380, rgb(0, 0, 0), colours[i++ & 1]);
        benchmark::DoNotOptimize(r);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * country.pixels);
    state.counters["share%"] = 100.0 * country.pixels / (1024 * 768);
}
BENCHMARK(BM_FloodFillCountry);

// Baseline: memset of as many pixels as the country has.
void BM_FloodFillCountryMemsetBaseline(benchmark::State &state) {
    Country country;
    int i = 0;
    for (auto _ : state) {
        std::memset(country.screen.row(300), (i++ & 1) ? 0xFF : 0x00,
                    static_cast<std::size_t>(country.pixels) * sizeof(Colour));
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * country.pixels);
}
BENCHMARK(BM_FloodFillCountryMemsetBaseline);

struct Segment {
    int x0, y0, x1, y1;
    Colour c;
};

const std::vector<Segment> &randomLines() {
    static const std::vector<Segment> lines = [] {
        std::mt19937 rng(1234);
        std::uniform_int_distribution<int> x(0, 1023), y(0, 767), c(0, 0xFFFFFF);
        std::vector<Segment> out(10000);
        for (auto &l : out)
            l = {x(rng), y(rng), x(rng), y(rng), static_cast<Colour>(c(rng))};
        return out;
    }();
    return lines;
}

void BM_LinesOurs(benchmark::State &state) {
    Surface s(1024, 768);
    for (auto _ : state) {
        for (const auto &l : randomLines())
            line(s, l.x0, l.y0, l.x1, l.y1, l.c);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 10000);
}
BENCHMARK(BM_LinesOurs)->Unit(benchmark::kMillisecond);

// The same lines with Cairo: one-pixel strokes through pixel centres, antialiasing off, each
// line its own stroke as a drawing call would be.
void BM_LinesCairo(benchmark::State &state) {
    cairo_surface_t *surface = cairo_image_surface_create(CAIRO_FORMAT_RGB24, 1024, 768);
    cairo_t *cr = cairo_create(surface);
    cairo_set_antialias(cr, CAIRO_ANTIALIAS_NONE);
    cairo_set_line_width(cr, 1.0);
    cairo_set_line_cap(cr, CAIRO_LINE_CAP_BUTT);
    for (auto _ : state) {
        for (const auto &l : randomLines()) {
            cairo_set_source_rgb(cr, (l.c & 0xFF) / 255.0, ((l.c >> 8) & 0xFF) / 255.0,
                                 ((l.c >> 16) & 0xFF) / 255.0);
            cairo_move_to(cr, l.x0 + 0.5, l.y0 + 0.5);
            cairo_line_to(cr, l.x1 + 0.5, l.y1 + 0.5);
            cairo_stroke(cr);
        }
        cairo_surface_flush(surface);
        benchmark::ClobberMemory();
    }
    state.SetItemsProcessed(state.iterations() * 10000);
    cairo_destroy(cr);
    cairo_surface_destroy(surface);
}
BENCHMARK(BM_LinesCairo)->Unit(benchmark::kMillisecond);

} // namespace
