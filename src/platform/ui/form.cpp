#include "platform/ui/form.hpp"

#include "platform/gfx/draw.hpp"
#include "platform/ui/application.hpp"
#include "platform/ui/control.hpp"
#include "platform/ui/region.hpp"
#include "platform/ui/system_colours.hpp"
#include "platform/ui/timer.hpp"

#include <algorithm>

namespace kartino::ui {

Form::Form(Application &app, std::string name)
    : app_(app), name_(std::move(name)), width_(app.screenSize().width), height_(app.screenSize().height),
      backColor_(systemColour(SystemColour::ButtonFace)) {
    app_.registerForm(this);
}

Form::~Form() {
    app_.unregisterForm(this);
}

// ----- lifecycle

void Form::Load() {
    if (loaded_) return;
    loaded_ = true;
    ensureLayers();
    for (Timer *t : timers_)
        t->start();
    Form_Load();
}

void Form::Show() {
    Load();
    if (!loaded_) return; // Form_Load unloaded it again
    ensureLayers();
    if (visible_) {
        if (app_.activeForm() != this) { // brought back to the top: repainted, then activated
            app_.formShown(*this);
            invalidate(image_.bounds());
            repaintInvalid();
        }
        app_.activateTop();
        return;
    }
    visible_ = true;
    app_.trace().line("form " + name_ + " shown");
    app_.formShown(*this);
    invalid_.clear();
    invalidate(image_.bounds());
    repaintInvalid(); // erased to the background and painted before Activate
    app_.activateTop();
}

void Form::ShowModal() {
    Show();
    if (visible_) app_.runModal(*this);
}

void Form::Hide() {
    if (!visible_) return;
    visible_ = false;
    putAway();
    app_.trace().line("form " + name_ + " hidden");
    app_.formHidden(*this);
}

void Form::Unload() {
    if (!loaded_) return;
    int cancel = 0;
    Form_Unload(cancel);
    if (cancel) return;
    Hide();
    loaded_ = false;
    for (Timer *t : timers_)
        t->stop();
    focused_ = nullptr;
    image_ = gfx::Surface();
    packedImage_.reset();
    shown_ = gfx::Surface();
    inStep_ = false;
    if (!app_.activeForm()) app_.activateTop();
}

void Form::makeLayers() {
    unpackImage();
    if (image_.width() == width_ && image_.height() == height_) return;
    image_.resize(width_, height_);
    resetBackground(image_);
    showImage();
}

void Form::unpackImage() const {
    if (!packedImage_) return;
    image_ = packedImage_->unpack();
    packedImage_.reset();
}

void Form::putAway() {
    if (painting()) return; // a Paint event still draws on its layers
    // Shown again or uncovered, the form is restored from its image and repainted; until then
    // what it showed needs no buffer of its own.
    invalid_.clear();
    shown_ = gfx::Surface();
    showImage();
    if (packedImage_ || image_.width() == 0) return;
    packedImage_ = gfx::PackedSurface::pack(image_);
    if (packedImage_) image_ = gfx::Surface();
}

std::size_t Form::layerBytes() const {
    auto bytes = [](const gfx::Surface &s) { return static_cast<std::size_t>(s.width()) * s.height() * 4; };
    return bytes(image_) + bytes(shown_) + bytes(scratch_) + (packedImage_ ? packedImage_->bytes() : 0);
}

void Form::showImage() {
    inStep_ = true; // shown_ keeps its buffer for the next time the layers part
}

gfx::Surface &Form::shownToChange() {
    if (inStep_) {
        shown_ = image_;
        inStep_ = false;
    }
    return shown_;
}

// ----- background

void Form::resetBackground(gfx::Surface &s) const {
    s.fill(backColor_);
    if (hasPicture()) gfx::bitBlt(s, 0, 0, picture_.width(), picture_.height(), picture_, 0, 0);
}

void Form::setBackColor(std::uint32_t colour) {
    backColor_ = resolveColour(colour);
    if (!loaded_) return;
    ensureLayers();
    resetBackground(image_);
    showImage();
    damage(image_.bounds());
}

void Form::setPicture(const gfx::Surface &picture) {
    picture_ = picture;
    if (!loaded_) return;
    ensureLayers();
    resetBackground(image_);
    showImage();
    if (visible_) invalidate(image_.bounds());
}

void Form::clearPicture() {
    setPicture(gfx::Surface());
}

// ----- regions

void Form::invalidate(const gfx::Rect &r) {
    if (!visible_ || packedImage_) return; // out of sight: repainted whole when uncovered
    addToExactRegion(invalid_, r.intersect(image_.bounds()));
}

void Form::damage(const gfx::Rect &r) {
    if (visible_) app_.damage(*this, r);
}

void Form::restoreFromImage(const gfx::Rect &r) {
    if (!inStep_) gfx::bitBlt(shown_, r.left, r.top, r.width(), r.height(), image_, r.left, r.top);
    damage(r);
}

void Form::repaintInvalid() {
    if (invalid_.empty() || painting() || !visible_) return;
    std::vector<gfx::Rect> region;
    region.swap(invalid_);
    for (const gfx::Rect &r : region)
        restoreFromImage(r);
    if (autoRedraw_) return;
    clip_ = region;
    // A paint of the whole form draws straight on what is shown; only a partial one needs a
    // copy to draw on, whose part inside the region is kept.
    if (!paintsWholeForm()) scratch_ = shown();
    try {
        Form_Paint();
    } catch (...) {
        clip_.clear();
        scratch_ = gfx::Surface();
        throw;
    }
    clip_.clear();
    scratch_ = gfx::Surface();
}

void Form::Refresh() {
    invalidate(image_.bounds());
    app_.present();
}

// ----- drawing through the layers

gfx::Surface *Form::soleLayer() {
    ensureLayers();
    if (painting()) return paintsWholeForm() ? &shownToChange() : nullptr;
    if (!autoRedraw_) return &shownToChange();
    return inStep_ ? &image_ : nullptr; // with a shown buffer of its own, both layers are drawn
}

gfx::Rect Form::paint(const DrawOp &op) {
    gfx::Rect changed;
    if (gfx::Surface *layer = soleLayer()) {
        changed = op(*layer);
    } else if (painting()) {
        // Draw on a copy of what is shown and keep only the part inside the paint region.
        gfx::Surface &shown = shownToChange();
        changed = op(scratch_);
        for (const gfx::Rect &c : clip_) {
            gfx::Rect keep = changed.intersect(c);
            gfx::bitBlt(shown, keep.left, keep.top, keep.width(), keep.height(), scratch_, keep.left,
                        keep.top);
        }
        gfx::bitBlt(scratch_, changed.left, changed.top, changed.width(), changed.height(), shown,
                    changed.left, changed.top);
        gfx::Rect all;
        for (const gfx::Rect &c : clip_)
            all = all.unite(changed.intersect(c));
        changed = all;
    } else {
        changed = op(image_);
        changed = changed.unite(op(shown_));
    }
    damage(changed);
    return changed;
}

// ----- focus and children

void Form::setFocus(Control *control) {
    if (control == focused_) return;
    Control *old = focused_;
    focused_ = control;
    if (old) old->Refresh();
    if (control) control->Refresh();
}

void Form::addControl(Control *c) {
    controls_.push_back(c);
}

void Form::removeControl(Control *c) {
    std::erase(controls_, c);
    if (focused_ == c) focused_ = nullptr;
    app_.controlGone(c);
}

void Form::addTimer(Timer *t) {
    timers_.push_back(t);
}
void Form::removeTimer(Timer *t) {
    std::erase(timers_, t);
}

} // namespace kartino::ui
