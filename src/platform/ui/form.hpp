#pragma once
// A form: a full-screen window of the program with the legacy form's properties, drawing
// methods and events.
//
// Two layers: the persistent image and what the form shows. With AutoRedraw true drawing goes
// into both; with AutoRedraw false only into what is shown. While the two hold the same
// picture they are one buffer: an AutoRedraw drawing is done once, and what is shown gets a
// buffer of its own only when a drawing without AutoRedraw (or a Paint event) makes it differ. A region that
// must be redrawn (the first show, a label hidden, shown, moved or given a new caption, Refresh, the form
// uncovered) is copied back from the persistent image (which starts as the background: BackColor with the
// Picture at its top-left corner) and, when AutoRedraw is false, Form_Paint is raised with all
// drawing clipped to that region. Point and BitBlt read what is shown. Controls are composed over
// what is shown and are never part of either layer. Out of sight (hidden, or covered by the form
// on top) a form gives up what it shows, which it repaints when it is uncovered, and keeps its
// image packed until it is used again.
//
//   class FormDemo : public ui::Form {
//     public:
//       explicit FormDemo(ui::Application &app) : Form(app, "FormDemo") {}
//       ui::CommandButton CommandWeiter{*this, "CommandWeiter"};
//       void Form_Load() override { CommandWeiter.Click = [this] { CommandWeiter_Click(); }; }
//       void Form_KeyDown(int &KeyCode, int Shift) override;
//   };
#include "platform/gfx/packed_surface.hpp"
#include "platform/gfx/pen.hpp"
#include "platform/gfx/surface.hpp"
#include "platform/ui/canvas.hpp"
#include "platform/ui/text_render.hpp"

#include <cstdint>
#include <optional>
#include <span>
#include <string>
#include <string_view>
#include <vector>

namespace kartino::ui {

class Application;
class Control;
class Timer;

class Form : public Canvas {
  public:
    Form(Application &app, std::string name);
    ~Form() override;
    Form(const Form &) = delete;
    Form &operator=(const Form &) = delete;

    Application &app() const { return app_; }
    const std::string &name() const { return name_; }

    // ----- lifecycle
    void Load();      // raises Form_Load unless loaded
    void Show();      // modeless: Load, become visible (erase, Paint), then Activate
    void ShowModal(); // Show, then a nested event loop until the form is hidden or unloaded
    void Hide();
    void Unload(); // Form_Unload may cancel; then hidden, timers stopped, layers released
    bool loaded() const { return loaded_; }
    bool visible() const { return visible_; }

    // ----- events, with the legacy handler names
    virtual void Form_Load() {}
    virtual void Form_Activate() {}
    virtual void Form_Paint() {}
    virtual void Form_Unload(int &Cancel) {}
    virtual void Form_KeyDown(int &KeyCode, int Shift) {}
    virtual void Form_KeyUp(int &KeyCode, int Shift) {}
    virtual void Form_MouseDown(int Button, int Shift, float X, float Y) {}
    virtual void Form_MouseUp(int Button, int Shift, float X, float Y) {}
    virtual void Form_MouseMove(int Button, int Shift, float X, float Y) {}
    virtual void Form_Click() {}

    // ----- properties (colours as 0x00BBGGRR or 0x800000nn system colours)
    int ScaleWidth() const { return width_; }
    int ScaleHeight() const { return height_; }
    gfx::Colour BackColor() const { return backColor_; }
    void setBackColor(std::uint32_t colour); // erases both layers to the new background
    void setPicture(const gfx::Surface &picture);
    void clearPicture();
    bool hasPicture() const { return picture_.width() > 0; }
    gfx::Colour ForeColor() const { return pen_.foreColor; }
    void setForeColor(std::uint32_t colour);
    int FillStyle() const { return pen_.fillStyle; }
    void setFillStyle(int style) { pen_.fillStyle = style; }
    gfx::Colour FillColor() const { return pen_.fillColor; }
    void setFillColor(std::uint32_t colour);
    double CurrentX() const { return pen_.currentX; }
    double CurrentY() const { return pen_.currentY; }
    void setCurrentX(double x) { pen_.currentX = x; }
    void setCurrentY(double y) { pen_.currentY = y; }
    bool AutoRedraw() const { return autoRedraw_; }
    void setAutoRedraw(bool on) { autoRedraw_ = on; }

    const FontSpec &font() const { return font_; }
    void setFont(const FontSpec &fontspec);
    double FontSize() const { return font_.points; }
    void setFontSize(double points);
    const std::string &FontName() const { return font_.name; }
    void setFontName(const std::string &name);
    bool FontBold() const { return font_.bold; }
    void setFontBold(bool bold);
    int FontCharset() const { return font_.charset; }
    void setFontCharset(int charset);

    // ----- drawing methods
    void Line(std::optional<gfx::PenPoint> from, gfx::PenPoint to, std::optional<std::uint32_t> colour = {},
              gfx::BoxMode box = gfx::BoxMode::None);
    void PSet(gfx::PenPoint p, std::optional<std::uint32_t> colour = {});
    // PSet (x,y), colour, in plain values; and the vector painter's chain of steps through the
    // points (xy[0], xy[1]), (xy[2], xy[3]), ...: from each point to the next Line (x1,y1)-(x2,y2),
    // colour followed by PSet (x2,y2), colour. A map is thousands of them, drawn without building
    // the optional points of the general forms.
    void PSetAt(double x, double y, std::uint32_t colour);
    void Steps(std::span<const float> xy, std::uint32_t colour);

    std::int32_t Point(double x, double y) const; // what is shown; -1 outside
    void Circle(gfx::PenPoint centre, double radius, std::optional<std::uint32_t> colour = {},
                std::optional<double> start = {}, std::optional<double> end = {},
                std::optional<double> aspect = {});
    // Print text (ANSI bytes) at CurrentX/CurrentY in ForeColor, transparent. With `newLine`
    // CurrentX returns to 0 and CurrentY moves down one line; without (the trailing ";"),
    // CurrentX moves past the text.
    void Print(std::string_view text, bool newLine = true);
    double TextWidth(std::string_view text) const;
    double TextHeight(std::string_view text) const;
    void Cls();     // AutoRedraw true: both layers to the background; false: shown back to the image
    void Refresh(); // repaints the whole form now
    // The gdi32 FloodFill on the form's device context, with the FillStyle/FillColor brush.
    bool FloodFill(int x, int y, std::uint32_t borderColorref);

    // ----- device context and layers
    gfx::PenState &pen() { return pen_; }
    const gfx::Surface &pixels() const override { return shown(); }
    gfx::Rect paint(const DrawOp &op) override;
    // The one layer a drawing call changes now, or null when it takes paint's other ways (a
    // partial Paint region, or AutoRedraw with what is shown apart from the image).
    gfx::Surface *soleLayer();
    const gfx::Surface &image() const {
        unpackImage();
        return image_;
    }
    const gfx::Surface &shown() const { return inStep_ ? image() : shown_; }
    bool painting() const { return !clip_.empty(); }
    std::size_t layerBytes() const; // memory the layers take, packed or not
    bool paintsWholeForm() const { return clip_.size() == 1 && clip_.front().contains(image_.bounds()); }

    // ----- controls and focus
    const std::vector<Control *> &controls() const { return controls_; }
    const std::vector<Timer *> &timers() const { return timers_; }
    Control *focused() const { return focused_; }
    void setFocus(Control *control);

    // ----- used by controls and the application
    void addControl(Control *c);
    void removeControl(Control *c);
    void addTimer(Timer *t);
    void removeTimer(Timer *t);
    void invalidate(const gfx::Rect &r); // must be redrawn (restore + Paint) when events run
    void damage(const gfx::Rect &r);     // only re-present to the screen
    bool needsRepaint() const { return !invalid_.empty(); }
    void repaintInvalid(); // restore the invalid region and raise Paint (AutoRedraw false)
    void putAway();        // out of sight: what is shown is dropped, the image packed

  private:
    void ensureLayers() { // before every drawing call: mostly nothing to do
        if (packedImage_ || image_.width() != width_ || image_.height() != height_) makeLayers();
    }
    void makeLayers();
    void unpackImage() const;
    void resetBackground(gfx::Surface &s) const;
    void restoreFromImage(const gfx::Rect &r);
    void showImage();              // what is shown becomes the image again: one buffer
    gfx::Surface &shownToChange(); // what is shown, in a buffer of its own
    gfx::Colour colourArg(std::optional<std::uint32_t> c) const;
    template <typename Draw> void drawWithPen(const Draw &draw);

    Application &app_;
    std::string name_;
    int width_, height_;
    bool loaded_ = false;
    bool visible_ = false;
    bool autoRedraw_ = false;
    gfx::Colour backColor_;
    gfx::Surface picture_;
    gfx::PenState pen_;
    FontSpec font_;
    // The image is unpacked on first use, also by the const readers: packing only changes how
    // it is stored.
    mutable gfx::Surface image_;
    mutable std::optional<gfx::PackedSurface> packedImage_;
    gfx::Surface shown_, scratch_;
    bool inStep_ = false; // what is shown is the image itself; shown_ is not in use
    std::vector<gfx::Rect> invalid_;
    std::vector<gfx::Rect> clip_; // while Form_Paint runs: the region drawing is clipped to
    std::vector<Control *> controls_;
    std::vector<Timer *> timers_;
    Control *focused_ = nullptr;
};

} // namespace kartino::ui
