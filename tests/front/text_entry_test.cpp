// A paste into a text box keeps what typing the same characters would: the
// control characters go, everything else arrives exactly.
#include <gtest/gtest.h>

#include <QClipboard>
#include <QCoreApplication>
#include <QGuiApplication>
#include <QKeyEvent>
#include <QLineEdit>

#include "front/clock.h"
#include "front/form_window.h"
#include "front/front_app.h"
#include "front/text_entry.h"
#include "platform/app.h"

using namespace plat;
using kestrin::front::FrontApp;
using kestrin::front::ManualClock;

namespace {

class NameForm : public Form {
public:
    explicit NameForm(App& app) : Form(app, "name", 4800, 1200) {}
    TextBox& box = add<TextBox>("box", 120, 120, 3600, 360);
};

struct PasteTest : ::testing::Test {
    App app;
    ManualClock clock;
    FrontApp front{app, clock};
    NameForm* form = nullptr;
    QLineEdit* edit = nullptr;

    void SetUp() override {
        front.onEnded = [] {};
        front.start<NameForm>();
        form = app.loadedForm<NameForm>();
        app.dispatch([&] { form->show(); });
        front.sync();
        edit = front.windowFor(form)->entryFor(&form->box)->editor();
        ASSERT_EQ(form->owner(), &form->box);
    }
    // Ctrl+V with the caret at `caret` in a box holding `before`.
    void paste(const std::string& before, int caret, const std::string& clip) {
        app.dispatch([&] { form->box.text = before; });
        front.sync();
        edit->setCursorPosition(caret);
        QGuiApplication::clipboard()->setText(QString::fromStdString(clip));
        QKeyEvent e(QEvent::KeyPress, Qt::Key_V, Qt::ControlModifier, QStringLiteral("\x16"));
        QCoreApplication::sendEvent(edit, &e);
    }
};

}  // namespace

TEST_F(PasteTest, PastedControlCharactersAreDroppedAndTheCaretFollowsThePaste) {
    paste("", 0, "300\n");
    EXPECT_EQ(form->box.text, "300");
    paste("12", 1, "\t5\r\n");
    EXPECT_EQ(form->box.text, "152");
    EXPECT_EQ(edit->cursorPosition(), 2);
}

TEST_F(PasteTest, APastedNameKeepsEveryOtherCharacterExactly) {
    paste("", 0, "Zo\u00eb\t\r\n\x01\x1b\x7f\u0085 \u00d1and\u00fa \u674e\U0001F600");
    EXPECT_EQ(form->box.text, "Zo\u00eb \u00d1and\u00fa \u674e\U0001F600");
    EXPECT_EQ(edit->text().toStdString(), form->box.text);
    std::string typed, pasted;
    for (int i = 0; i < 2000; ++i) {
        typed += "a\u00e9\U0001F600 ";
        pasted += i % 7 == 0 ? "a\u00e9\U0001F600\n " : "a\u00e9\U0001F600 ";
    }
    paste("", 0, pasted);
    EXPECT_EQ(form->box.text, typed);
}
