#include "startup/splash.h"

#include "startup/settings.h"

namespace kestrin {

using plat::Label;
using plat::Shape;

namespace {

constexpr plat::Colour kRed = 0x0000FF;
constexpr plat::Colour kBar = 0x404080;

template <class C>
C& inFrame(C& c, plat::Frame& frame) {
    c.parent = &frame;
    return c;
}

void bar(Shape& s, plat::Colour border) {
    s.shape = Shape::Kind::RoundedRectangle;
    s.fill = Shape::Fill::Solid;
    s.fillColour = kBar;
    s.borderColour = border;
}

void redText(Label& l, double points, bool bold, Label::Align align = Label::Align::Left) {
    l.font = {"Arial", points, bold};
    l.fore = kRed;
    l.opaque = false;
    l.align = align;
    // One line each, but for the subtitle, which wraps onto two: a title
    // that wrapped would lose its second line below the label.
    l.wordWrap = align == Label::Align::Centre;
}

}  // namespace

frmSplash::frmSplash(plat::App& app)
    : Form(app, "frmSplash", 7380, 4236),
      Frame1(add<plat::Frame>("Frame1", 96, 84, 7212, 4050)),
      Shape5(inFrame(add<Shape>("Shape5", -408, 1260, 3576, 2316), Frame1)),
      Shape6(inFrame(add<Shape>("Shape6", 1512, 2856, 624, 384), Frame1)),
      lblTagline(inFrame(add<Label>("lblTagline", 2772, 780, 1464, 192), Frame1)),
      lblProductName(inFrame(add<Label>("lblProductName", 336, 108, 6072, 756), Frame1)),
      lblVersion(inFrame(add<Label>("lblVersion", 4224, 2772, 1272, 288), Frame1)),
      Shape4(inFrame(add<Shape>("Shape4", 1740, 1872, 396, 1104), Frame1)),
      Shape3(inFrame(add<Shape>("Shape3", 1308, 1812, 480, 1236), Frame1)),
      Shape2(inFrame(add<Shape>("Shape2", 888, 1860, 480, 1176), Frame1)),
      Shape1(inFrame(add<Shape>("Shape1", 516, 1944, 480, 1032), Frame1)),
      Label1(inFrame(add<Label>("Label1", 3204, 1560, 3612, 900), Frame1)),
      Timer1(addTimer("Timer1", 2500, true)) {
    caption = "";
    border = Border::FixedDialog;
    back = 0x800000;
    Frame1.back = 0x000000;

    Shape5.shape = Shape::Kind::Circle;
    Shape5.fill = Shape::Fill::Solid;
    Shape5.fillColour = 0x000000;
    Shape5.borderColour = kRed;
    bar(Shape6, kBar);
    for (Shape* s : {&Shape1, &Shape2, &Shape3, &Shape4}) bar(*s, 0x400000);

    lblProductName.caption = "KESTRIN HOLDEM";
    redText(lblProductName, 32.4, true);
    lblTagline.caption = "Beat Me If You Can";
    redText(lblTagline, 8.4, false);
    lblVersion.caption = "Version 1.0";
    redText(lblVersion, 12, true, Label::Align::Right);
    Label1.caption = "Multi Table Tournament Software";
    redText(Label1, 16.2, true, Label::Align::Centre);

    Frame1.onClick = [this] { Frame1_Click(); };
    Timer1.onTimer = [this] { Timer1_Timer(); };
}

// Any of the three events hands over once: unloading stops the timer and
// takes the window away, so the others are never delivered.
void frmSplash::handOver() {
    app().form<settings>().show();
    unload();
}

void frmSplash::onKeyPress(int& /*ch*/) { handOver(); }
void frmSplash::Frame1_Click() { handOver(); }
void frmSplash::Timer1_Timer() { handOver(); }
// Closing the window hands over as the timer would.
void frmSplash::onClose() { handOver(); }

}  // namespace kestrin
