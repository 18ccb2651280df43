#include "table/tables.h"

namespace kestrin {

tables::tables(plat::App& app)
    : Form(app, "tables", 12288, 8880),
      Command2(add<plat::CommandButton>("Command2", 9084, 8148, 492, 372)) {
    caption = "Kestrin Holdem";
    border = Border::Sizable;
    back = 0x000000;
    Command2.caption = "Exit";
    Command2.back = 0x00FFFF;
    Command2.onClick = [this] { Command2_Click(); };
}

void tables::onLoad() { show(); }

void tables::Command2_Click() { app().end(); }

// Closing the window is the same as "Exit".
void tables::onClose() { Command2_Click(); }

}  // namespace kestrin
