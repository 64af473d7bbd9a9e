#pragma once
// Text on forms and controls through the application's fonts: ANSI text measured and drawn in a
// font given by name, points, boldness and character-set number, at the screen's DPI.
#include "platform/gfx/surface.hpp"
#include "platform/text/font.hpp"

#include <string_view>

namespace kartino::ui {

using FontSpec = text::FontSpec;

int textWidth(text::Fonts &fonts, const FontSpec &font, int dpi, std::string_view text); // widest line
int textHeight(text::Fonts &fonts, const FontSpec &font, int dpi);                       // the line pitch
// Draws text with its top-left corner at (x, y); returns the rectangle it may have changed.
gfx::Rect drawText(gfx::Surface &s, int x, int y, text::Fonts &fonts, const FontSpec &font, int dpi,
                   std::string_view text, gfx::Colour colour);

} // namespace kartino::ui
