#pragma once
// A picture box as the program uses it: an off-screen image of a given size that keeps what is
// copied into it (BitBlt) until it is copied back. It is never shown.
#include "platform/ui/canvas.hpp"

#include <string>

namespace kartino::ui {

class Form;

class PictureBox : public Canvas {
  public:
    PictureBox(Form &parent, std::string name);

    const std::string &name() const { return name_; }
    int Width() const { return image_.width(); }
    int Height() const { return image_.height(); }
    // A new size keeps the pixels that still fit; new pixels take the BackColor.
    void resize(int width, int height);
    // The picture is drawn at the top-left corner over the BackColor.
    void setPicture(const gfx::Surface &picture);
    gfx::Colour BackColor() const { return backColor_; }
    void setBackColor(std::uint32_t colour);

    const gfx::Surface &pixels() const override { return image_; }
    gfx::Rect paint(const DrawOp &op) override { return op(image_); }

  private:
    std::string name_;
    gfx::Colour backColor_;
    gfx::Surface image_;
};

} // namespace kartino::ui
