// The exercise form's cross-hair following the mouse over a drawn map, through the form's own
// mouse-move handler on a headless screen (arguments: width and height, the design area
// filling it): put back the save box at the old point, save the box at the new point, draw the
// two arms, and present what changed. The raster-only step of the same work is
// BM_CrossHairStep. Its cost follows the box, not the screen.
#include "exercise/form_kartino.hpp"
#include "platform/backend/headless/headless_backend.hpp"
#include "platform/ui/application.hpp"

#include <benchmark/benchmark.h>

namespace {

using namespace kartino;

class SilentBox final : public ui::MessageBox {
  public:
    void show(const std::string &, const std::vector<std::string> &) override {}
};

void BM_FormCrossHairMove(benchmark::State &state) {
    backend::HeadlessConfig config;
    const int w = static_cast<int>(state.range(0)), h = static_cast<int>(state.range(1));
    config.screen = {w, h};
    backend::HeadlessBackend headless(std::move(config));
    ui::Application app(headless);
    basic::PathResolver paths;
    basic::FileTable files(paths);
    basic::FakeClock clock;
    basic::Random rnd;
    SilentBox box;
    common::Services services{paths, files, clock, rnd, box, {}, {}, {}};
    session::Session s(services);
    s.shared.screen = {float(w), float(h), float(w), float(h), 96, 96};
    s.map.mapleft = 0, s.map.mapright = 639, s.map.maptop = 0, s.map.mapbottom = 479;

    exercise::FormKartino form(app, s);
    form.Load();
    form.setAutoRedraw(true);
    for (int y = 0; y < h; y += 3) // something of a map under the cross-hair
        form.Line(gfx::PenPoint{0, double(y)}, gfx::PenPoint{double(w - 1), double(h - 1 - y)},
                  gfx::rgb(y % 255, 90, 40));
    app.present();
    form.setAutoRedraw(false); // as while a task waits for its click
    s.exerciserun.awaitingclick = true;
    int step = 0;
    for (auto _ : state) {
        const float x = float(w) * (0.3f + 0.0005f * float((step * 7) % 800)),
                    y = float(h) * (0.4f + 0.0005f * float((step * 3) % 400));
        ++step;
        form.Form_MouseMove(0, 0, x, y);
        app.present();
        benchmark::DoNotOptimize(form.shown().row(0));
    }
}
BENCHMARK(BM_FormCrossHairMove)->Args({800, 600})->Args({1024, 768})->Args({1920, 1080})->Args({3840, 2160});

} // namespace
