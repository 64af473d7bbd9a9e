#include "vecgraphics/drawing_surface.hpp"

#include "platform/ui/form.hpp"

namespace kartino::vecgraphics {

namespace {

std::optional<double> widen(std::optional<float> v) {
    if (!v) return std::nullopt;
    return static_cast<double>(*v);
}

} // namespace

void FormSurface::line(float x1, float y1, float x2, float y2, std::uint32_t colour) {
    form_.Line(gfx::PenPoint{x1, y1}, gfx::PenPoint{x2, y2}, colour);
}

void FormSurface::pset(float x, float y, std::uint32_t colour) {
    form_.PSetAt(x, y, colour);
}

void FormSurface::steps(std::span<const float> xy, std::uint32_t colour) {
    form_.Steps(xy, colour);
}

void FormSurface::circle(float x, float y, float radius, std::uint32_t colour, std::optional<float> start,
                         std::optional<float> end, std::optional<float> aspect) {
    form_.Circle(gfx::PenPoint{x, y}, radius, colour, widen(start), widen(end), widen(aspect));
}

void FormSurface::setFillStyle(int style) {
    form_.setFillStyle(style);
}

void FormSurface::setFillColor(std::uint32_t colour) {
    form_.setFillColor(colour);
}

bool FormSurface::floodFill(std::int32_t x, std::int32_t y, std::uint32_t borderColorref) {
    return form_.FloodFill(x, y, borderColorref);
}

double FormSurface::currentX() const {
    return form_.CurrentX();
}

double FormSurface::currentY() const {
    return form_.CurrentY();
}

void PixelSurface::line(float x1, float y1, float x2, float y2, std::uint32_t colour) {
    gfx::penLine(pixels_, pen_, x1, y1, x2, y2, colour);
}

void PixelSurface::pset(float x, float y, std::uint32_t colour) {
    gfx::penPSet(pixels_, pen_, x, y, colour);
}

void PixelSurface::steps(std::span<const float> xy, std::uint32_t colour) {
    gfx::penSteps(pixels_, pen_, xy, colour);
}

void PixelSurface::circle(float x, float y, float radius, std::uint32_t colour, std::optional<float> start,
                          std::optional<float> end, std::optional<float> aspect) {
    gfx::formCircle(pixels_, pen_, gfx::PenPoint{x, y}, radius, colour, widen(start), widen(end),
                    widen(aspect));
}

bool PixelSurface::floodFill(std::int32_t x, std::int32_t y, std::uint32_t borderColorref) {
    return !gfx::formFloodFill(pixels_, pen_, x, y, borderColorref).empty();
}

} // namespace kartino::vecgraphics
