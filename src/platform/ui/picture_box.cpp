#include "platform/ui/picture_box.hpp"

#include "platform/gfx/draw.hpp"
#include "platform/ui/system_colours.hpp"

namespace kartino::ui {

PictureBox::PictureBox(Form &, std::string name)
    : name_(std::move(name)), backColor_(systemColour(SystemColour::ButtonFace)) {}

void PictureBox::resize(int width, int height) {
    gfx::Surface next(width, height, backColor_);
    gfx::bitBlt(next, 0, 0, image_.width(), image_.height(), image_, 0, 0);
    image_ = std::move(next);
}

void PictureBox::setPicture(const gfx::Surface &picture) {
    image_.fill(backColor_);
    gfx::bitBlt(image_, 0, 0, picture.width(), picture.height(), picture, 0, 0);
}

void PictureBox::setBackColor(std::uint32_t colour) {
    backColor_ = resolveColour(colour);
    image_.fill(backColor_);
}

} // namespace kartino::ui
