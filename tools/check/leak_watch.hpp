#pragma once
// A pixel surface that measures every flood fill drawn on it: how many pixels it changed,
// whether it reached the edge of the design area, and whether it stayed inside the outline its
// record drew (the box around the record's own lines and figures). A fill whose border has a gap
// runs out of that box, into the sea or over the whole screen; measured fill by fill, the record
// that leaks is known.
#include "vecgraphics/drawing_surface.hpp"

#include <cstdint>
#include <vector>

namespace kartino::check {

struct FillMeasure {
    int record = 0;
    std::int32_t x = 0, y = 0; // the seed, in pixels
    long changed = 0;          // pixels the fill changed
    bool edge = false;         // one of them lies on the edge of the surface
    bool outside = false;      // one of them lies outside the box of the record's own outline
};

class LeakWatch final : public vecgraphics::DrawingSurface {
  public:
    explicit LeakWatch(gfx::Surface &pixels) : pixels_(pixels), inner_(pixels) {}
    void line(float x1, float y1, float x2, float y2, std::uint32_t colour) override {
        outline(x1, y1, 0);
        outline(x2, y2, 0);
        inner_.line(x1, y1, x2, y2, colour);
    }
    void pset(float x, float y, std::uint32_t colour) override {
        outline(x, y, 0);
        inner_.pset(x, y, colour);
    }
    void circle(float x, float y, float radius, std::uint32_t colour, std::optional<float> start,
                std::optional<float> end, std::optional<float> aspect) override {
        outline(x, y, radius);
        inner_.circle(x, y, radius, colour, start, end, aspect);
    }
    void setFillStyle(int style) override { inner_.setFillStyle(style); }
    void setFillColor(std::uint32_t colour) override { inner_.setFillColor(colour); }
    bool floodFill(std::int32_t x, std::int32_t y, std::uint32_t borderColorref) override;
    double currentX() const override { return inner_.currentX(); }
    double currentY() const override { return inner_.currentY(); }

    // The record drawn from now on: its outline starts empty.
    void begin(int record);
    std::vector<FillMeasure> fills;

  private:
    void outline(float x, float y, float radius);

    int record_ = 0;
    float left_ = 0, top_ = 0, right_ = -1, bottom_ = -1; // the outline's box; empty while right_ < left_
    gfx::Surface &pixels_;
    vecgraphics::PixelSurface inner_;
};

} // namespace kartino::check
