#include "platform/ui/label.hpp"

#include "platform/ui/system_colours.hpp"

namespace kartino::ui {

void Label::setBackStyle(int style) {
    if (style == backStyle_) return;
    backStyle_ = style;
    changed(true);
}

void Label::setAlignment(int alignment) {
    if (alignment == alignment_) return;
    alignment_ = alignment;
    changed(true);
}

std::vector<std::string> wrapCaption(const std::string &caption, int width, text::Fonts &fonts,
                                     const FontSpec &font, int dpi) {
    std::vector<std::string> paragraphs(1);
    for (std::size_t i = 0; i < caption.size(); ++i) {
        char c = caption[i];
        if (c == '\r' || c == '\n') {
            if (c == '\r' && i + 1 < caption.size() && caption[i + 1] == '\n') ++i;
            paragraphs.emplace_back();
        } else {
            paragraphs.back() += c;
        }
    }
    std::vector<std::string> lines;
    for (const std::string &p : paragraphs) {
        std::string line;
        std::size_t pos = 0;
        while (pos <= p.size()) {
            std::size_t next = p.find(' ', pos);
            std::string word = p.substr(pos, next == std::string::npos ? std::string::npos : next - pos);
            std::string candidate = line.empty() ? word : line + " " + word;
            if (!line.empty() && textWidth(fonts, font, dpi, candidate) > width) {
                lines.push_back(line);
                line = word;
            } else {
                line = candidate;
            }
            if (next == std::string::npos) break;
            pos = next + 1;
        }
        lines.push_back(line);
    }
    return lines;
}

void Label::render(gfx::Surface &look, std::vector<std::uint8_t> &mask) const {
    gfx::Colour text = Enabled() ? ForeColor() : systemColour(SystemColour::GrayText);
    bool opaque = backStyle_ == Opaque;
    // Transparent: draw on a colour the text cannot have and keep only the text's pixels.
    gfx::Colour ground = opaque ? BackColor() : (text ^ 0xFFFFFFu);
    look.fill(ground);
    FontSpec f = font();
    int pitch = textHeight(fonts(), f, dpi());
    int y = 0;
    for (const std::string &line : wrapCaption(Caption(), look.width(), fonts(), f, dpi())) {
        int w = textWidth(fonts(), f, dpi(), line);
        int x = alignment_ == RightJustify ? look.width() - w
                : alignment_ == Center     ? (look.width() - w) / 2
                                           : 0;
        drawText(look, x, y, fonts(), f, dpi(), line, text);
        y += pitch;
        if (y >= look.height()) break;
    }
    for (int py = 0; py < look.height(); ++py)
        for (int px = 0; px < look.width(); ++px)
            mask[static_cast<std::size_t>(py) * look.width() + px] = opaque || look.at(px, py) != ground;
}

} // namespace kartino::ui
