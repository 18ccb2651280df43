// The controls a form is built from. Geometry is in twips relative to the
// form's client area or to the frame that holds the control.
#pragma once

#include <functional>
#include <string>

#include "platform/basics.h"
#include "platform/picture.h"

namespace plat {

class Form;
class Frame;

enum class ControlKind { Label, CommandButton, TextBox, PictureBox, Image, Shape, Frame };

class Control {
public:
    Control(Form& form, ControlKind kind, std::string name, Twips l, Twips t, Twips w, Twips h,
            int index);
    virtual ~Control() = default;
    Control(const Control&) = delete;
    Control& operator=(const Control&) = delete;

    Form& form() const { return *form_; }
    ControlKind kind() const { return kind_; }
    const std::string& name() const { return name_; }
    int index() const { return index_; }  // position in a control array, or -1

    Twips left, top, width, height;
    bool visible = true;
    Frame* parent = nullptr;  // the frame that holds it, if any

    std::function<void()> onClick;

    // Visible itself and inside a visible container.
    bool shown() const;
    Twips absLeft() const;
    Twips absTop() const;
    bool contains(Twips x, Twips y) const;
    // Shapes, labels and images are drawn under the windowed controls.
    bool lightweight() const;
    bool takesFocus() const;

private:
    Form* form_;
    ControlKind kind_;
    std::string name_;
    int index_;
};

// Command buttons, text boxes and picture boxes can own the focus.
class Focusable : public Control {
public:
    using Control::Control;
    // Takes effect after the running handler returns: lost-focus of the old
    // owner, then got-focus of this control.
    void setFocus();
    bool hasFocus() const;
    // Holds the focus because the user moved it here (Tab, Shift+Tab or a
    // click), not because the program put it here.
    bool focusedByUser() const;

    std::function<void()> onGotFocus;
    std::function<void()> onLostFocus;
    bool tabStop = true;
    int tabIndex = 0;
};

class Label : public Control {
public:
    enum class Align { Left, Right, Centre };
    Label(Form& f, std::string name, Twips l, Twips t, Twips w, Twips h, int index = -1)
        : Control(f, ControlKind::Label, std::move(name), l, t, w, h, index) {}

    std::string caption;  // drawn literally
    Colour fore = kWindowText;
    Colour back = kButtonFace;
    bool opaque = false;
    Font font;
    Align align = Align::Left;
    bool wordWrap = true;
    bool autoSize = false;  // grows to its text when drawn
    int borderStyle = 0;    // 1 = single dark line
};

class CommandButton : public Focusable {
public:
    CommandButton(Form& f, std::string name, Twips l, Twips t, Twips w, Twips h, int index = -1)
        : Focusable(f, ControlKind::CommandButton, std::move(name), l, t, w, h, index) {}

    std::string caption;
    Colour back = kButtonFace;
    Colour fore = kWindowText;
    Font font;
    // Asked before a key (Space) clicks the focused button; when set and
    // false the key does nothing. A mouse click always clicks.
    std::function<bool()> acceptsKeyClick;
};

class TextBox : public Focusable {
public:
    TextBox(Form& f, std::string name, Twips l, Twips t, Twips w, Twips h, int index = -1)
        : Focusable(f, ControlKind::TextBox, std::move(name), l, t, w, h, index) {}

    std::string text;  // UTF-8, kept exactly as typed
    Colour back = kWhite;
    Colour fore = kWindowText;
    Font font;
    // Receives each typed character before it reaches the box; setting it
    // to 0 keeps the character out.
    std::function<void(int& ch)> onKeyPress;

    // Every character but the controls (C0, DEL and C1) can go into a box,
    // whether typed or pasted.
    static bool keeps(char32_t ch) { return ch >= 0x20 && (ch < 0x7F || ch > 0x9F); }
};

class PictureBox : public Focusable {
public:
    PictureBox(Form& f, std::string name, Twips l, Twips t, Twips w, Twips h, int index = -1)
        : Focusable(f, ControlKind::PictureBox, std::move(name), l, t, w, h, index) {
        tabStop = false;  // only the program gives a picture box the focus
    }

    Picture picture;  // drawn unscaled from the top-left, clipped
    Colour back = kButtonFace;
    int borderStyle = 0;
};

class Image : public Control {
public:
    Image(Form& f, std::string name, Twips l, Twips t, Twips w, Twips h, int index = -1)
        : Control(f, ControlKind::Image, std::move(name), l, t, w, h, index) {}

    // Without stretch the image takes the picture's own size.
    void setPicture(const Picture& p);
    const Picture& picture() const { return picture_; }
    bool stretch = false;
    int borderStyle = 0;

private:
    Picture picture_;
};

class Shape : public Control {
public:
    enum class Kind { Rectangle, RoundedRectangle, Oval, Circle };
    enum class Fill { Transparent, Solid, Cross, DiagonalCross };
    Shape(Form& f, std::string name, Twips l, Twips t, Twips w, Twips h, int index = -1)
        : Control(f, ControlKind::Shape, std::move(name), l, t, w, h, index) {}

    Kind shape = Kind::Rectangle;
    Fill fill = Fill::Transparent;
    Colour fillColour = 0x000000;
    bool opaque = false;
    Colour back = kWhite;
    bool border = true;
    Colour borderColour = 0x000000;
    int borderWidth = 1;  // pixels
};

class Frame : public Control {
public:
    Frame(Form& f, std::string name, Twips l, Twips t, Twips w, Twips h, int index = -1)
        : Control(f, ControlKind::Frame, std::move(name), l, t, w, h, index) {}

    Colour back = kButtonFace;
};

}  // namespace plat
