// The table window, on which the whole game runs.
#pragma once

#include "platform/app.h"
#include "table/table_state.h"

namespace kestrin {

class tables : public plat::Form {
public:
    explicit tables(plat::App& app);

    void onLoad() override;  // Form_Load
    void onClose() override;
    void Command2_Click();   // "Exit"

    TableState state;
    plat::CommandButton& Command2;
};

}  // namespace kestrin
