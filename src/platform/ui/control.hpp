#pragma once
// The common part of the controls placed on a form (labels and command buttons): place and
// size in form pixels, caption, font, colours, Visible and Enabled, and the mouse events.
// Controls are composed over what the form shows; the form's own pixels never contain them.
//
// A control registers with its form when constructed and leaves it when destroyed; declare
// controls as members of the form class after nothing that outlives the form.
#include "platform/gfx/surface.hpp"
#include "platform/ui/text_render.hpp"

#include <cstdint>
#include <functional>
#include <optional>
#include <string>
#include <vector>

namespace kartino::ui {

class Form;

class Control {
  public:
    Control(Form &parent, std::string name);
    virtual ~Control();
    Control(const Control &) = delete;
    Control &operator=(const Control &) = delete;

    Form &parent() const { return parent_; }
    const std::string &name() const { return name_; }

    int Left() const { return bounds_.left; }
    int Top() const { return bounds_.top; }
    int Width() const { return bounds_.width(); }
    int Height() const { return bounds_.height(); }
    void setLeft(int v) { Move(v, Top(), Width(), Height()); }
    void setTop(int v) { Move(Left(), v, Width(), Height()); }
    void setWidth(int v) { Move(Left(), Top(), v, Height()); }
    void setHeight(int v) { Move(Left(), Top(), Width(), v); }
    void Move(int left, int top, int width, int height);
    gfx::Rect bounds() const { return bounds_; }

    bool Visible() const { return visible_; }
    void setVisible(bool v);
    bool Enabled() const { return enabled_; }
    void setEnabled(bool v);

    const std::string &Caption() const { return caption_; } // ANSI 1252 bytes
    void setCaption(const std::string &caption);

    // The font: the control's own, or the form's while it has none.
    FontSpec font() const;
    void setFont(const FontSpec &fontspec);
    double FontSize() const { return font().points; }
    void setFontSize(double points);
    void setFontName(const std::string &name);
    void setFontBold(bool bold);
    void setFontCharset(int charset);

    gfx::Colour ForeColor() const { return foreColor_; }
    void setForeColor(std::uint32_t colour);
    gfx::Colour BackColor() const { return backColor_; }
    void setBackColor(std::uint32_t colour);

    // Redraws the control over what the form shows.
    void Refresh();

    // Events, named as the legacy handlers' event part; X and Y are relative to the control.
    std::function<void()> Click;
    std::function<void(int Button, int Shift, float X, float Y)> MouseDown, MouseUp, MouseMove;

    // Buttons are windows of their own and lie above the windowless labels.
    virtual bool windowed() const { return false; }
    virtual bool canFocus() const { return false; }

    // Draws the visible part of the control that lies in `clip` onto `screen` (form pixels).
    void compose(gfx::Surface &screen, const gfx::Rect &clip) const;

    // Called by the form's input routing.
    virtual void pressed(bool down) {}

    int dpi() const;            // the screen's, for measuring the caption in the control's font
    text::Fonts &fonts() const; // the application's, for the same

  protected:
    // Draws the control's look into `look` (its own size, origin at its top-left corner) and
    // marks the pixels that cover the form in `mask` (1 = drawn; transparent parts stay 0).
    virtual void render(gfx::Surface &look, std::vector<std::uint8_t> &mask) const = 0;
    // The look changed: rebuild it and show it again. `regionChanged` asks the form to repaint
    // the area below as well (windowless controls are part of the form's paint).
    void changed(bool regionChanged);

  private:
    Form &parent_;
    std::string name_;
    gfx::Rect bounds_;
    bool visible_ = true;
    bool enabled_ = true;
    std::string caption_;
    std::optional<FontSpec> font_;
    gfx::Colour foreColor_ = 0;
    gfx::Colour backColor_;
    mutable bool stale_ = true;
    mutable gfx::Surface look_;
    mutable std::vector<std::uint8_t> mask_;
};

} // namespace kartino::ui
