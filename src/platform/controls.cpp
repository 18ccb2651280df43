#include "platform/controls.h"

#include "platform/app.h"
#include "platform/form.h"

namespace plat {

Control::Control(Form& form, ControlKind kind, std::string name, Twips l, Twips t, Twips w, Twips h,
                 int index)
    : left(l), top(t), width(w), height(h), form_(&form), kind_(kind), name_(std::move(name)),
      index_(index) {}

bool Control::shown() const {
    for (const Control* c = this; c; c = c->parent)
        if (!c->visible) return false;
    return true;
}

Twips Control::absLeft() const { return left + (parent ? parent->absLeft() : 0); }
Twips Control::absTop() const { return top + (parent ? parent->absTop() : 0); }

bool Control::contains(Twips x, Twips y) const {
    const Twips l = absLeft(), t = absTop();
    return x >= l && y >= t && x < l + width && y < t + height;
}

bool Control::lightweight() const {
    return kind_ == ControlKind::Label || kind_ == ControlKind::Image ||
           kind_ == ControlKind::Shape;
}

bool Control::takesFocus() const {
    return kind_ == ControlKind::CommandButton || kind_ == ControlKind::TextBox ||
           kind_ == ControlKind::PictureBox;
}

void Focusable::setFocus() { form().app().requestFocus(*this); }

bool Focusable::hasFocus() const { return form().owner() == this; }

bool Focusable::focusedByUser() const { return hasFocus() && form().ownerByUser_; }

void Image::setPicture(const Picture& p) {
    picture_ = p;
    if (!stretch && !p.empty()) {
        width = p.width * kTwipsPerPixel;
        height = p.height * kTwipsPerPixel;
    }
}

}  // namespace plat
