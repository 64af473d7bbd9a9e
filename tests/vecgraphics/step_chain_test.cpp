// The chain of held-back steps hands every step to the surface once, in order, in its colour:
// across the end of its buffer, at a break, and before anything else uses the surface.
#include "vecgraphics/step_chain.hpp"

#include <gtest/gtest.h>

#include <tuple>
#include <vector>

namespace kartino::vecgraphics {
namespace {

using Step = std::tuple<float, float, float, float, std::uint32_t>;

// Records the steps it is given through the surface's own step-by-step drawing.
class Recorder final : public DrawingSurface {
  public:
    void line(float x1, float y1, float x2, float y2, std::uint32_t c) override {
        steps.emplace_back(x1, y1, x2, y2, c);
    }
    void pset(float, float, std::uint32_t) override {}
    void circle(float, float, float, std::uint32_t, std::optional<float>, std::optional<float>,
                std::optional<float>) override {}
    void setFillStyle(int) override { ++uses; }
    void setFillColor(std::uint32_t) override {}
    bool floodFill(std::int32_t, std::int32_t, std::uint32_t) override { return false; }
    double currentX() const override { return 0; }
    double currentY() const override { return 0; }
    std::vector<Step> steps;
    int uses = 0;
};

TEST(StepChain, HandsOnEveryStepOnceInOrder) {
    std::vector<Step> given;
    float x = 0, y = 0;
    auto step = [&](float nx, float ny, std::uint32_t c) {
        given.emplace_back(x, y, nx, ny, c);
        x = nx, y = ny;
    };
    for (int i = 1; i <= 700; ++i) // joined steps, beyond the buffer twice
        step(static_cast<float>(i), static_cast<float>(i % 7), 1);
    step(x + 1, y, 2); // a new colour
    x += 5;            // a step that does not start where the last one ended
    step(x, y + 3, 2);
    Recorder surface;
    {
        StepChain chain(surface);
        for (auto [x1, y1, x2, y2, c] : given)
            chain.add(x1, y1, x2, y2, c);
        chain.surface().setFillStyle(0); // whatever comes next finds the steps drawn
        EXPECT_EQ(surface.steps, given);
        EXPECT_EQ(surface.uses, 1);
        chain.flush();
    }
    EXPECT_EQ(surface.steps, given); // nothing drawn twice
}

} // namespace
} // namespace kartino::vecgraphics
