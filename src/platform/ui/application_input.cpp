// Input routing: keys to the active form's own handlers, mouse events to the control under the
// pointer (or the one holding the mouse), clicks on the button release, close to the handler.
#include "platform/ui/application.hpp"
#include "platform/ui/control.hpp"
#include "platform/ui/form.hpp"

namespace kartino::ui {

namespace {

// The topmost enabled, visible control at (x, y): buttons lie above labels; later ones above
// earlier ones.
Control *controlAt(const Form &f, int x, int y) {
    for (int pass = 1; pass >= 0; --pass) {
        const auto &cs = f.controls();
        for (auto it = cs.rbegin(); it != cs.rend(); ++it) {
            Control *c = *it;
            if (c->windowed() == (pass == 1) && c->Visible() && c->Enabled() && c->bounds().contains(x, y))
                return c;
        }
    }
    return nullptr;
}

float rel(int v, int origin) {
    return static_cast<float>(v - origin);
}

} // namespace

void Application::dispatch(const InputEvent &e) {
    switch (e.kind) {
    case EventKind::Close:
        if (onClose_)
            onClose_();
        else
            end(1);
        break;
    case EventKind::KeyDown:
    case EventKind::KeyUp:
        dispatchKey(e);
        break;
    default:
        dispatchMouse(e);
        break;
    }
}

void Application::dispatchKey(const InputEvent &e) {
    Form *f = activeForm();
    if (!f) return;
    int code = e.keyCode;
    if (e.kind == EventKind::KeyDown)
        f->Form_KeyDown(code, e.shift);
    else
        f->Form_KeyUp(code, e.shift);
    // Controls get no keys: a focused button is not clicked by Enter or Space.
}

void Application::dispatchMouse(const InputEvent &e) {
    Form *f = activeForm();
    float fx = static_cast<float>(e.x), fy = static_cast<float>(e.y);
    switch (e.kind) {
    case EventKind::MouseDown: {
        if (!f) return;
        bool first = buttons_ == 0;
        buttons_ |= e.button;
        if (first) {
            captureForm_ = f;
            capture_ = controlAt(*f, e.x, e.y);
        }
        if (Control *c = capture_) {
            if (c->canFocus()) f->setFocus(c);
            c->pressed(true);
            if (c->MouseDown) c->MouseDown(e.button, e.shift, rel(e.x, c->Left()), rel(e.y, c->Top()));
        } else if (captureForm_) {
            captureForm_->Form_MouseDown(e.button, e.shift, fx, fy);
        }
        break;
    }
    case EventKind::MouseMove: {
        Form *target = buttons_ && captureForm_ ? captureForm_ : f;
        if (!target) return;
        Control *c = buttons_ ? capture_ : controlAt(*target, e.x, e.y);
        int held = buttons_ ? buttons_ : e.button;
        if (c) {
            if (buttons_) c->pressed(c->bounds().contains(e.x, e.y));
            if (c->MouseMove) c->MouseMove(held, e.shift, rel(e.x, c->Left()), rel(e.y, c->Top()));
        } else {
            target->Form_MouseMove(held, e.shift, fx, fy);
        }
        break;
    }
    case EventKind::MouseUp: {
        bool pressedBefore = captureForm_ != nullptr;
        buttons_ &= ~e.button;
        Form *target = pressedBefore ? captureForm_ : f;
        Control *c = pressedBefore ? capture_ : (f ? controlAt(*f, e.x, e.y) : nullptr);
        if (buttons_ == 0) capture_ = nullptr, captureForm_ = nullptr;
        if (!target) return;
        if (c) {
            c->pressed(false);
            bool inside = c->bounds().contains(e.x, e.y);
            if (c->MouseUp) c->MouseUp(e.button, e.shift, rel(e.x, c->Left()), rel(e.y, c->Top()));
            if (pressedBefore && inside && c->Visible() && c->Enabled() && c->Click) c->Click();
        } else {
            target->Form_MouseUp(e.button, e.shift, fx, fy);
            if (pressedBefore) target->Form_Click();
        }
        break;
    }
    default:
        break;
    }
}

} // namespace kartino::ui
