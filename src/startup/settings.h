// The welcome screen: the player's name, the table colour, the card back and
// the room picture; "Ok" opens the table, "Exit" ends the program.
#pragma once

#include <array>
#include <cstdint>

#include "platform/app.h"

namespace kestrin {

class settings : public plat::Form {
public:
    explicit settings(plat::App& app);

    // Read by the table: the card-back cell at every deal, the colour once.
    std::int16_t backside = 0;
    std::int32_t tabletop = 0;

    void onLoad() override;  // Form_Load
    void onClose() override;

    void Command1_Click();  // "Ok"
    void Command2_Click();  // "Exit"
    void Label4_Click() { chooseColour(Label4, 0x800000); }
    void Label5_Click() { chooseColour(Label5, 0x004080); }
    void Label6_Click() { chooseColour(Label6, 0xC0C000); }
    void Label7_Click() { chooseColour(Label7, 0x008000); }
    void Image5_Click() { chooseBack(Image5, 0); }
    void Image6_Click() { chooseBack(Image6, 53); }
    void Image7_Click() { chooseBack(Image7, 54); }
    void Image8_Click() { chooseBack(Image8, 55); }
    void Image2_Click() { chooseRoom(Image2, 102); }
    void Image3_Click() { chooseRoom(Image3, 103); }
    void Image4_Click() { chooseRoom(Image4, 104); }
    void Label9_Click();

    plat::Label& Label2;
    plat::TextBox& Text1;
    plat::Label& Label1;
    plat::Shape& Shape1;
    plat::Shape& Shape3;
    plat::Shape& Shape6;
    plat::Shape& Shape4;
    plat::Shape& Shape5;
    plat::Label& Label7;
    plat::Label& Label6;
    plat::Label& Label5;
    plat::Label& Label4;
    plat::Label& Label3;
    plat::Shape& Shape2;
    plat::Image& Image5;
    plat::Image& Image6;
    plat::Image& Image7;
    plat::Image& Image8;
    plat::Label& Label8;
    plat::Shape& Shape7;
    plat::Image& Image4;
    plat::Image& Image3;
    plat::Image& Image2;
    plat::Shape& Shape8;
    plat::Label& Label9;
    plat::CommandButton& Command1;
    plat::CommandButton& Command2;
    plat::PictureClip PictureClip1{4, 18};

private:
    void chooseColour(plat::Label& swatch, std::int32_t colour);
    void chooseBack(plat::Image& image, std::int16_t cell);
    void chooseRoom(plat::Image& image, int resource);
};

}  // namespace kestrin
