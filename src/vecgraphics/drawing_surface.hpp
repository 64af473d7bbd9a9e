#pragma once
// What the vector interpreter draws on: the graphics methods of a form (line, point, circle with
// arc and aspect, fill style and colour, the flood fill on its device context, the current
// drawing position). Two kinds of surface offer them: a form of the program, and a plain pixel
// surface with a pen of its own for the render tool, the benchmarks and the fuzz target.
//
//   gfx::Surface pixels(1024, 768, gfx::rgb(255, 255, 255));
//   vecgraphics::PixelSurface target(pixels);
//   vecgraphics::vecdraw(services, shared, vectors, drawing, target, {.record = 0, .x = 512, .y = 384,
//   .scalex = 6.4, .scaley = 6.4});
#include "platform/gfx/pen.hpp"
#include "platform/gfx/surface.hpp"

#include <cstdint>
#include <optional>
#include <span>

namespace kartino::ui {
class Form;
}

namespace kartino::vecgraphics {

// Coordinates and radii are the Single values the form methods take; colours are RGB values
// (0x00BBGGRR); angles are radians.
class DrawingSurface {
  public:
    virtual ~DrawingSurface() = default;
    virtual void line(float x1, float y1, float x2, float y2, std::uint32_t colour) = 0;
    virtual void pset(float x, float y, std::uint32_t colour) = 0;
    // The straight steps of a map through the points (xy[0], xy[1]), (xy[2], xy[3]), ...: from
    // each point to the next a line and then a point on its end, so every end pixel is set.
    virtual void steps(std::span<const float> xy, std::uint32_t colour) {
        for (std::size_t i = 2; i + 1 < xy.size(); i += 2) {
            line(xy[i - 2], xy[i - 1], xy[i], xy[i + 1], colour);
            pset(xy[i], xy[i + 1], colour);
        }
    }
    virtual void circle(float x, float y, float radius, std::uint32_t colour, std::optional<float> start = {},
                        std::optional<float> end = {}, std::optional<float> aspect = {}) = 0;
    virtual void setFillStyle(int style) = 0;
    virtual void setFillColor(std::uint32_t colour) = 0;
    // FloodFill on the device context with the brush of FillStyle/FillColor; false when the
    // fill fails (seed outside the surface or on the border colour).
    virtual bool floodFill(std::int32_t x, std::int32_t y, std::uint32_t borderColorref) = 0;
    virtual double currentX() const = 0;
    virtual double currentY() const = 0;
};

// A form of the program: drawing goes through its layers like every other form method.
class FormSurface final : public DrawingSurface {
  public:
    explicit FormSurface(ui::Form &form) : form_(form) {}
    void line(float x1, float y1, float x2, float y2, std::uint32_t colour) override;
    void pset(float x, float y, std::uint32_t colour) override;
    void steps(std::span<const float> xy, std::uint32_t colour) override;
    void circle(float x, float y, float radius, std::uint32_t colour, std::optional<float> start,
                std::optional<float> end, std::optional<float> aspect) override;
    void setFillStyle(int style) override;
    void setFillColor(std::uint32_t colour) override;
    bool floodFill(std::int32_t x, std::int32_t y, std::uint32_t borderColorref) override;
    double currentX() const override;
    double currentY() const override;

  private:
    ui::Form &form_;
};

// A bare pixel surface with its own pen state (FillStyle transparent at the start).
class PixelSurface final : public DrawingSurface {
  public:
    explicit PixelSurface(gfx::Surface &pixels) : pixels_(pixels) {}
    void line(float x1, float y1, float x2, float y2, std::uint32_t colour) override;
    void pset(float x, float y, std::uint32_t colour) override;
    void steps(std::span<const float> xy, std::uint32_t colour) override;
    void circle(float x, float y, float radius, std::uint32_t colour, std::optional<float> start,
                std::optional<float> end, std::optional<float> aspect) override;
    void setFillStyle(int style) override { pen_.fillStyle = style; }
    void setFillColor(std::uint32_t colour) override { pen_.fillColor = colour & 0xFFFFFFu; }
    bool floodFill(std::int32_t x, std::int32_t y, std::uint32_t borderColorref) override;
    double currentX() const override { return pen_.currentX; }
    double currentY() const override { return pen_.currentY; }

    const gfx::PenState &pen() const { return pen_; }
    gfx::Surface &pixels() { return pixels_; }

  private:
    gfx::Surface &pixels_;
    gfx::PenState pen_;
};

} // namespace kartino::vecgraphics
