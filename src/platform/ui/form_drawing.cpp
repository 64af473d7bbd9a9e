// The form's drawing methods and pen, colour and font properties.
#include "platform/gfx/draw.hpp"
#include "platform/gfx/pen.hpp"
#include "platform/ui/application.hpp"
#include "platform/ui/form.hpp"
#include "platform/ui/system_colours.hpp"

#include <cmath>

namespace kartino::ui {

gfx::Colour Form::colourArg(std::optional<std::uint32_t> c) const {
    return c ? resolveColour(*c) : pen_.foreColor;
}

void Form::setForeColor(std::uint32_t colour) {
    pen_.foreColor = resolveColour(colour);
}
void Form::setFillColor(std::uint32_t colour) {
    pen_.fillColor = resolveColour(colour);
}

void Form::setFont(const FontSpec &fontspec) {
    font_ = fontspec;
}
void Form::setFontSize(double points) {
    font_.points = points;
}
void Form::setFontName(const std::string &name) {
    font_.name = name;
}
void Form::setFontBold(bool bold) {
    font_.bold = bold;
}
void Form::setFontCharset(int charset) {
    font_.charset = charset;
}

// A drawing method with the pen: straight on the one layer where there is one, through paint
// otherwise, where each layer starts from the same pen and CurrentX/CurrentY end where `draw`
// leaves them.
template <typename Draw> void Form::drawWithPen(const Draw &draw) {
    if (gfx::Surface *layer = soleLayer()) return damage(draw(*layer, pen_));
    gfx::PenState after = pen_;
    paint([&](gfx::Surface &s) {
        after = pen_;
        return draw(s, after);
    });
    pen_ = after;
}

void Form::Line(std::optional<gfx::PenPoint> from, gfx::PenPoint to, std::optional<std::uint32_t> colour,
                gfx::BoxMode box) {
    const gfx::Colour c = colourArg(colour);
    drawWithPen([&](gfx::Surface &s, gfx::PenState &pen) { return gfx::formLine(s, pen, from, to, c, box); });
}

void Form::PSet(gfx::PenPoint p, std::optional<std::uint32_t> colour) {
    const gfx::Colour c = colourArg(colour);
    drawWithPen([&](gfx::Surface &s, gfx::PenState &pen) { return gfx::formPSet(s, pen, p, c); });
}

void Form::PSetAt(double x, double y, std::uint32_t colour) {
    const gfx::Colour c = resolveColour(colour);
    drawWithPen([&](gfx::Surface &s, gfx::PenState &pen) { return gfx::penPSet(s, pen, x, y, c); });
}

void Form::Steps(std::span<const float> xy, std::uint32_t colour) {
    const gfx::Colour c = resolveColour(colour);
    drawWithPen([&](gfx::Surface &s, gfx::PenState &pen) { return gfx::penSteps(s, pen, xy, c); });
}

std::int32_t Form::Point(double x, double y) const {
    return gfx::formPoint(shown(), x, y);
}

void Form::Circle(gfx::PenPoint centre, double radius, std::optional<std::uint32_t> colour,
                  std::optional<double> start, std::optional<double> end, std::optional<double> aspect) {
    const gfx::Colour c = colourArg(colour);
    drawWithPen([&](gfx::Surface &s, gfx::PenState &pen) {
        return gfx::formCircle(s, pen, centre, radius, c, start, end, aspect);
    });
}

bool Form::FloodFill(int x, int y, std::uint32_t borderColorref) {
    gfx::Rect r = paint([&](gfx::Surface &s) { return gfx::formFloodFill(s, pen_, x, y, borderColorref); });
    return !r.empty();
}

void Form::Print(std::string_view text, bool newLine) {
    int x = gfx::toPixel(pen_.currentX), y = gfx::toPixel(pen_.currentY);
    int dpi = app_.dpi();
    gfx::Colour c = pen_.foreColor;
    paint([&](gfx::Surface &s) { return drawText(s, x, y, app_.fonts(), font_, dpi, text, c); });
    if (newLine) {
        pen_.currentX = 0;
        pen_.currentY += textHeight(app_.fonts(), font_, dpi);
    } else {
        pen_.currentX += textWidth(app_.fonts(), font_, dpi, text);
    }
}

double Form::TextWidth(std::string_view text) const {
    return textWidth(app_.fonts(), font_, app_.dpi(), text);
}

double Form::TextHeight(std::string_view text) const {
    // Each line break adds a line.
    int lines = 1;
    for (std::size_t i = 0; i < text.size(); ++i)
        if (text[i] == '\r' || (text[i] == '\n' && (i == 0 || text[i - 1] != '\r'))) ++lines;
    return static_cast<double>(lines) * textHeight(app_.fonts(), font_, app_.dpi());
}

void Form::Cls() {
    ensureLayers();
    if (autoRedraw_) resetBackground(image_);
    showImage();
    if (painting()) scratch_ = shown();
    pen_.currentX = pen_.currentY = 0;
    damage(image_.bounds());
}

} // namespace kartino::ui
