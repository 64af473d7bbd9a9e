#pragma once
// A label: a caption in the label's font and ForeColor, on its BackColor when opaque or
// straight over the form when transparent, aligned left, right or centred, broken into lines
// at word boundaries to fit the width. A label with an empty caption still takes clicks: the
// program uses transparent ones as click areas over figures it paints itself.
#include "platform/ui/control.hpp"

namespace kartino::ui {

class Label : public Control {
  public:
    enum { Transparent = 0, Opaque = 1 };                   // BackStyle
    enum { LeftJustify = 0, RightJustify = 1, Center = 2 }; // Alignment

    Label(Form &parent, std::string name) : Control(parent, std::move(name)) {}

    int BackStyle() const { return backStyle_; }
    void setBackStyle(int style);
    int Alignment() const { return alignment_; }
    void setAlignment(int alignment);

  protected:
    void render(gfx::Surface &look, std::vector<std::uint8_t> &mask) const override;

  private:
    int backStyle_ = Opaque;
    int alignment_ = LeftJustify;
};

// The lines a caption takes in a box `width` pixels wide: explicit line breaks (CR, LF or
// CR LF) end lines, and a line that does not fit breaks at its last blank before the edge
// (a single word wider than the box keeps its line).
std::vector<std::string> wrapCaption(const std::string &caption, int width, text::Fonts &fonts,
                                     const FontSpec &font, int dpi);

} // namespace kartino::ui
