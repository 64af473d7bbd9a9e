#include "platform/ui/control.hpp"

#include "platform/ui/application.hpp"
#include "platform/ui/form.hpp"
#include "platform/ui/system_colours.hpp"

namespace kartino::ui {

Control::Control(Form &parent, std::string name)
    : parent_(parent), name_(std::move(name)), backColor_(systemColour(SystemColour::ButtonFace)) {
    parent_.addControl(this);
}

Control::~Control() {
    parent_.removeControl(this);
}

int Control::dpi() const {
    return parent_.app().dpi();
}

text::Fonts &Control::fonts() const {
    return parent_.app().fonts();
}

void Control::changed(bool regionChanged) {
    stale_ = true;
    if (!visible_) return;
    if (regionChanged && !windowed()) parent_.invalidate(bounds_);
    parent_.damage(bounds_);
}

void Control::Move(int left, int top, int width, int height) {
    gfx::Rect next{left, top, left + std::max(width, 0), top + std::max(height, 0)};
    if (next == bounds_) return;
    if (visible_) {
        parent_.invalidate(bounds_);
        parent_.damage(bounds_);
    }
    bounds_ = next;
    changed(true);
    if (visible_) parent_.invalidate(bounds_);
}

void Control::setVisible(bool v) {
    if (v == visible_) return;
    // The area below is uncovered or covered: the form repaints it.
    parent_.invalidate(bounds_);
    parent_.damage(bounds_);
    visible_ = v;
    stale_ = true;
    if (!v && parent_.focused() == this) parent_.setFocus(nullptr);
}

void Control::setEnabled(bool v) {
    if (v == enabled_) return;
    enabled_ = v;
    changed(false);
}

void Control::setCaption(const std::string &caption) {
    if (caption == caption_) return;
    caption_ = caption;
    changed(true);
}

FontSpec Control::font() const {
    return font_ ? *font_ : parent_.font();
}

void Control::setFont(const FontSpec &fontspec) {
    font_ = fontspec;
    changed(false);
}

void Control::setFontSize(double points) {
    FontSpec f = font();
    f.points = points;
    setFont(f);
}

void Control::setFontName(const std::string &name) {
    FontSpec f = font();
    f.name = name;
    setFont(f);
}

void Control::setFontBold(bool bold) {
    FontSpec f = font();
    f.bold = bold;
    setFont(f);
}

void Control::setFontCharset(int charset) {
    FontSpec f = font();
    f.charset = charset;
    setFont(f);
}

void Control::setForeColor(std::uint32_t colour) {
    foreColor_ = resolveColour(colour);
    changed(false);
}

void Control::setBackColor(std::uint32_t colour) {
    backColor_ = resolveColour(colour);
    changed(false);
}

void Control::Refresh() {
    stale_ = true;
    if (visible_) parent_.damage(bounds_);
}

void Control::compose(gfx::Surface &screen, const gfx::Rect &clip) const {
    if (!visible_ || bounds_.empty()) return;
    gfx::Rect r = bounds_.intersect(clip).intersect(screen.bounds());
    if (r.empty()) return;
    if (stale_ || look_.width() != bounds_.width() || look_.height() != bounds_.height()) {
        look_.resize(bounds_.width(), bounds_.height());
        mask_.assign(static_cast<std::size_t>(bounds_.width()) * bounds_.height(), 0);
        render(look_, mask_);
        stale_ = false;
    }
    for (int y = r.top; y < r.bottom; ++y) {
        int ly = y - bounds_.top;
        const gfx::Colour *src = look_.row(ly);
        const std::uint8_t *m = mask_.data() + static_cast<std::size_t>(ly) * look_.width();
        gfx::Colour *dst = screen.row(y);
        for (int x = r.left; x < r.right; ++x) {
            int lx = x - bounds_.left;
            if (m[lx]) dst[x] = src[lx];
        }
    }
}

} // namespace kartino::ui
