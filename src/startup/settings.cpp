#include "startup/settings.h"

#include "table/tables.h"

namespace kestrin {

using plat::Image;
using plat::Label;
using plat::Shape;

namespace {

constexpr plat::Colour kRed = 0x0000FF;

void frame(Shape& s) {
    s.borderColour = kRed;
    s.fill = Shape::Fill::Transparent;
}

void swatch(Shape& s, plat::Colour colour) {
    s.fill = Shape::Fill::Solid;
    s.fillColour = colour;
    s.border = false;
}

// Headings stay on one line: a word that does not fit is clipped, not
// wrapped out of sight below the label.
void heading(Label& l, const char* text) {
    l.caption = text;
    l.wordWrap = false;
}

}  // namespace

settings::settings(plat::App& app)
    : Form(app, "settings", 5136, 4920),
      Label2(add<Label>("Label2", 288, 264, 1440, 264)),
      Text1(add<plat::TextBox>("Text1", 264, 492, 1980, 456)),
      Label1(add<Label>("Label1", 372, 1116, 852, 192)),
      Shape1(add<Shape>("Shape1", 384, 1404, 1824, 2076)),
      Shape3(add<Shape>("Shape3", 660, 1656, 516, 708)),
      Shape6(add<Shape>("Shape6", 1404, 1656, 516, 708)),
      Shape4(add<Shape>("Shape4", 672, 2556, 516, 708)),
      Shape5(add<Shape>("Shape5", 1392, 2556, 516, 708)),
      Label7(add<Label>("Label7", 648, 1656, 516, 708)),
      Label6(add<Label>("Label6", 1380, 1656, 516, 708)),
      Label5(add<Label>("Label5", 660, 2544, 516, 708)),
      Label4(add<Label>("Label4", 1392, 2544, 516, 708)),
      Label3(add<Label>("Label3", 2952, 1104, 1368, 192)),
      Shape2(add<Shape>("Shape2", 2940, 1392, 1824, 2076)),
      Image5(add<Image>("Image5", 3216, 1656, 600, 840)),
      Image6(add<Image>("Image6", 3996, 1656, 600, 840)),
      Image7(add<Image>("Image7", 3204, 2580, 600, 840)),
      Image8(add<Image>("Image8", 3996, 2580, 600, 840)),
      Label8(add<Label>("Label8", 2400, 3552, 1380, 192)),
      Shape7(add<Shape>("Shape7", 2340, 3792, 2760, 1116)),
      Image4(add<Image>("Image4", 2448, 3852, 1032, 432)),
      Image3(add<Image>("Image3", 3876, 3840, 1032, 432)),
      Image2(add<Image>("Image2", 2448, 4416, 1032, 432)),
      Shape8(add<Shape>("Shape8", 3876, 4428, 1032, 432)),
      Label9(add<Label>("Label9", 3852, 4404, 1068, 468)),
      Command1(add<plat::CommandButton>("Command1", 36, 4080, 984, 564)),
      Command2(add<plat::CommandButton>("Command2", 1140, 4080, 984, 564)) {
    caption = "Welcome To Zeziro Zavovuvevo";
    border = Border::FixedSingle;

    heading(Label2, "Player Name");
    heading(Label1, "Table Tops");
    heading(Label3, "Cards BackGround");
    heading(Label8, "Room BackGround");
    Text1.back = 0xC0FFFF;
    Text1.font = {"MS Sans Serif", 7.8, true};

    frame(Shape1);
    frame(Shape2);
    frame(Shape7);
    swatch(Shape3, 0x008000);
    swatch(Shape6, 0xC0C000);
    swatch(Shape4, 0x004080);
    swatch(Shape5, 0x800000);
    Shape8.fill = Shape::Fill::Solid;
    Shape8.fillColour = 0x000000;

    for (Label* l : {&Label4, &Label5, &Label6, &Label7, &Label9}) {
        l->opaque = false;
        l->wordWrap = false;
    }
    for (Image* i : {&Image2, &Image3, &Image4}) i->stretch = true;

    Command1.caption = "Ok";
    Command2.caption = "Exit";

    Label4.onClick = [this] { Label4_Click(); };
    Label5.onClick = [this] { Label5_Click(); };
    Label6.onClick = [this] { Label6_Click(); };
    Label7.onClick = [this] { Label7_Click(); };
    Label9.onClick = [this] { Label9_Click(); };
    Image2.onClick = [this] { Image2_Click(); };
    Image3.onClick = [this] { Image3_Click(); };
    Image4.onClick = [this] { Image4_Click(); };
    Image5.onClick = [this] { Image5_Click(); };
    Image6.onClick = [this] { Image6_Click(); };
    Image7.onClick = [this] { Image7_Click(); };
    Image8.onClick = [this] { Image8_Click(); };
    Command1.onClick = [this] { Command1_Click(); };
    Command2.onClick = [this] { Command2_Click(); };
}

void settings::onLoad() {
    backside = 0;
    Image5.borderStyle = 1;
    tabletop = 0x008000;
    Label7.borderStyle = 1;
    PictureClip1.setPicture(plat::loadResource(101));
    Image2.setPicture(plat::loadResource(102));
    Image3.setPicture(plat::loadResource(103));
    Image4.setPicture(plat::loadResource(104));
    Image5.setPicture(PictureClip1.cell(0));
    Image6.setPicture(PictureClip1.cell(53));
    Image7.setPicture(PictureClip1.cell(54));
    Image8.setPicture(PictureClip1.cell(55));
}

void settings::chooseColour(Label& chosen, std::int32_t colour) {
    tabletop = colour;
    for (Label* l : {&Label4, &Label5, &Label6, &Label7}) l->borderStyle = l == &chosen ? 1 : 0;
}

void settings::chooseBack(Image& chosen, std::int16_t cell) {
    backside = cell;
    for (Image* i : {&Image5, &Image6, &Image7, &Image8}) i->borderStyle = i == &chosen ? 1 : 0;
}

// Putting the picture on the table window loads it first when needed, which
// opens the table and deals the first hand before the picture is set.
void settings::chooseRoom(Image& chosen, int resource) {
    tables& table = app().form<tables>();
    table.picture = plat::loadResource(resource);
    Label9.borderStyle = 0;
    for (Image* i : {&Image2, &Image3, &Image4}) i->borderStyle = i == &chosen ? 1 : 0;
}

// The no-picture choice only moves the border: it neither loads the table
// nor takes a picture off it.
void settings::Label9_Click() {
    Label9.borderStyle = 1;
    for (Image* i : {&Image2, &Image3, &Image4}) i->borderStyle = 0;
}

void settings::Command1_Click() {
    tables& table = app().form<tables>();
    table.show();
    hide();
}

void settings::Command2_Click() {
    unload();
    app().end();
}

void settings::onClose() { Command2_Click(); }

}  // namespace kestrin
