// The splash screen: the program's first window, up until a key, a click on
// its panel or its timer hands over to the welcome screen.
#pragma once

#include "platform/app.h"

namespace kestrin {

class frmSplash : public plat::Form {
public:
    explicit frmSplash(plat::App& app);

    void onKeyPress(int& ch) override;  // Form_KeyPress
    void onClose() override;
    void Frame1_Click();
    void Timer1_Timer();

    plat::Frame& Frame1;
    // Back to front: later controls are drawn over earlier ones.
    plat::Shape& Shape5;
    plat::Shape& Shape6;
    plat::Label& lblTagline;
    plat::Label& lblProductName;
    plat::Label& lblVersion;
    plat::Shape& Shape4;
    plat::Shape& Shape3;
    plat::Shape& Shape2;
    plat::Shape& Shape1;
    plat::Label& Label1;
    plat::Timer& Timer1;

private:
    void handOver();
};

}  // namespace kestrin
