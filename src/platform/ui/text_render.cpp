#include "platform/ui/text_render.hpp"

namespace kartino::ui {

int textWidth(text::Fonts &fonts, const FontSpec &font, int dpi, std::string_view text) {
    return fonts.open(font, dpi).textWidth(text);
}

int textHeight(text::Fonts &fonts, const FontSpec &font, int dpi) {
    return fonts.open(font, dpi).lineHeight();
}

gfx::Rect drawText(gfx::Surface &s, int x, int y, text::Fonts &fonts, const FontSpec &font, int dpi,
                   std::string_view text, gfx::Colour colour) {
    return fonts.open(font, dpi).drawText(s, x, y, text, colour);
}

} // namespace kartino::ui
