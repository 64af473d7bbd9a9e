#include "platform/ui/text_render.hpp"

namespace kartino::ui {

int textWidth(const FontSpec &font, int dpi, std::string_view text) {
    return text::Font::open(font, dpi).textWidth(text);
}

int textHeight(const FontSpec &font, int dpi) {
    return text::Font::open(font, dpi).lineHeight();
}

gfx::Rect drawText(gfx::Surface &s, int x, int y, const FontSpec &font, int dpi, std::string_view text,
                   gfx::Colour colour) {
    return text::Font::open(font, dpi).drawText(s, x, y, text, colour);
}

} // namespace kartino::ui
