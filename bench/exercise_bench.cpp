// The exercise form's cross-hair following the mouse over a drawn map, through the form's own
// mouse-move handler on a 1024 x 768 headless screen: put back the save box at the old point,
// save the box at the new point, draw the two arms. The raster-only step of the same work is
// BM_CrossHairStep.
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
    config.screen = {1024, 768};
    backend::HeadlessBackend headless(std::move(config));
    ui::Application app(headless);
    basic::PathResolver paths;
    basic::FileTable files(paths);
    basic::FakeClock clock;
    basic::Random rnd;
    SilentBox box;
    common::Services services{paths, files, clock, rnd, box, {}, {}, {}};
    session::Session s(services);
    s.sh.screen = {1024, 768, 1024, 768, 96, 96};
    s.map.mapleft = 0, s.map.mapright = 639, s.map.maptop = 0, s.map.mapbottom = 479;

    exercise::FormKartino form(app, s);
    form.Load();
    form.setAutoRedraw(true);
    for (int y = 0; y < 768; y += 3) // something of a map under the cross-hair
        form.Line(gfx::PenPoint{0, double(y)}, gfx::PenPoint{1023, double(767 - y)},
                  gfx::rgb(y % 255, 90, 40));
    form.setAutoRedraw(false); // as while a task waits for its click
    s.ex.awaitingclick = true;
    int step = 0;
    for (auto _ : state) {
        const float x = 300 + float((step * 7) % 400), y = 300 + float((step * 3) % 200);
        ++step;
        form.Form_MouseMove(0, 0, x, y);
        benchmark::DoNotOptimize(form.shown().row(0));
    }
}
BENCHMARK(BM_FormCrossHairMove);

} // namespace
