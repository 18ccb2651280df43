// Windows hand the user's mouse, keys and close button to the model.
#include <gtest/gtest.h>

#include <QCloseEvent>
#include <QCoreApplication>
#include <QKeyEvent>
#include <QLineEdit>
#include <QMouseEvent>

#include "front/clock.h"
#include "front/form_window.h"
#include "front/front_app.h"
#include "front/text_entry.h"
#include "platform/app.h"

using namespace plat;
using kestrin::front::FormWindow;
using kestrin::front::FrontApp;

namespace {

class Panel : public Form {
public:
    explicit Panel(App& app) : Form(app, "panel", 4800, 2400) {
        frame.onClick = [this] { ++frameClicks; };
        ok.onClick = [this] { ++okClicks; };
        cover.parent = &frame;
        cover.fill = Shape::Fill::Solid;
        amount.onKeyPress = [this](int& ch) {
            if (ch == 13) {
                ch = 0;
                ++entered;
                amount.text.clear();
            } else if (ch >= 'a' && ch <= 'z') {
                ch = ch - 'a' + 'A';
            }
        };
    }
    void onClose() override { ++closes; }

    TextBox& amount = add<TextBox>("amount", 120, 120, 1800, 360);
    CommandButton& ok = add<CommandButton>("ok", 2400, 120, 1200, 360);
    Frame& frame = add<Frame>("frame", 120, 1200, 2400, 1080);
    Shape& cover = add<Shape>("cover", 120, 120, 1200, 600);  // inside the frame
    int frameClicks = 0, okClicks = 0, entered = 0, closes = 0;
};

struct WindowTest : ::testing::Test {
    App app;
    kestrin::front::ManualClock clock;
    FrontApp front{app, clock};
    Panel* panel = nullptr;
    FormWindow* window = nullptr;
    QLineEdit* edit = nullptr;

    void SetUp() override {
        front.onEnded = [] {};
        front.start<Panel>();
        panel = app.loadedForm<Panel>();
        ASSERT_NE(panel, nullptr);
        app.dispatch([&] { panel->show(); });
        front.sync();
        window = front.windowFor(panel);
        ASSERT_NE(window, nullptr);
        edit = window->entryFor(&panel->amount)->editor();
    }

    // Twips to window pixels: fixed windows draw at one pixel per 12 twips.
    void mouse(QEvent::Type type, int xTwips, int yTwips) {
        const QPointF pos(xTwips / 12.0, yTwips / 12.0);
        QMouseEvent e(type, pos, window->mapToGlobal(pos), Qt::LeftButton,
                      type == QEvent::MouseButtonRelease ? Qt::NoButton : Qt::LeftButton,
                      Qt::NoModifier);
        QCoreApplication::sendEvent(window, &e);
    }
    void keyTo(QObject* target, int key, const QString& text = {}) {
        QKeyEvent e(QEvent::KeyPress, key, Qt::NoModifier, text);
        QCoreApplication::sendEvent(target, &e);
    }
};

}  // namespace

TEST_F(WindowTest, ClickThroughAShapeReachesTheFrame) {
    // (600, 1600) lies on the shape, which lies on the frame.
    mouse(QEvent::MouseButtonPress, 600, 1600);
    mouse(QEvent::MouseButtonRelease, 600, 1600);
    EXPECT_EQ(panel->frameClicks, 1);
    // Pressed on the frame, let go on the button: no click at all.
    mouse(QEvent::MouseButtonPress, 600, 1600);
    mouse(QEvent::MouseButtonRelease, 3000, 240);
    EXPECT_EQ(panel->frameClicks, 1);
    EXPECT_EQ(panel->okClicks, 0);
    mouse(QEvent::MouseButtonPress, 3000, 240);
    mouse(QEvent::MouseButtonRelease, 3000, 240);
    EXPECT_EQ(panel->okClicks, 1);
    EXPECT_EQ(panel->owner(), &panel->ok);
}

TEST_F(WindowTest, KeysPassThroughTheModelIntoTheTextBox) {
    ASSERT_EQ(panel->owner(), &panel->amount);
    keyTo(edit, Qt::Key_4, "4");
    keyTo(edit, Qt::Key_B, "b");  // the handler makes it upper case
    EXPECT_EQ(panel->amount.text, "4B");
    EXPECT_EQ(edit->text(), "4B");
    keyTo(edit, Qt::Key_Backspace, "\b");
    EXPECT_EQ(panel->amount.text, "4");
    // The handler swallows Enter and empties the box: the line edit follows.
    keyTo(edit, Qt::Key_Return, "\r");
    EXPECT_EQ(panel->entered, 1);
    EXPECT_EQ(edit->text(), "");
    EXPECT_EQ(panel->amount.text, "");
    // Tab is the model's: the focus moves to the button, not along Qt's chain.
    keyTo(edit, Qt::Key_Tab, "\t");
    EXPECT_EQ(panel->owner(), &panel->ok);
    // Space clicks the focused button; keys now go to the window.
    keyTo(window, Qt::Key_Space, " ");
    EXPECT_EQ(panel->okClicks, 1);
}

TEST_F(WindowTest, HiddenTextBoxHidesItsLineEdit) {
    EXPECT_TRUE(edit->isVisible());
    app.dispatch([&] { panel->amount.visible = false; });
    front.sync();
    EXPECT_FALSE(edit->isVisible());
}

TEST_F(WindowTest, CloseButtonIsTheFormsOwnWayOut) {
    QCloseEvent e;
    QCoreApplication::sendEvent(window, &e);
    EXPECT_FALSE(e.isAccepted());
    EXPECT_EQ(panel->closes, 1);
    EXPECT_FALSE(app.ended());
}
