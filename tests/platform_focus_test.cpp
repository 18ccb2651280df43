// Focus rules of the model: deferred delivery, lost before got, requests for
// the owner, hidden owners, clicks and Tab.
#include <gtest/gtest.h>

#include <algorithm>
#include <string>
#include <vector>

#include "platform/app.h"

using namespace plat;

namespace {

std::vector<std::string>* gLog = nullptr;

class Board : public Form {
public:
    explicit Board(App& app) : Form(app, "board", 6000, 4000) {
        for (auto* b : {&a, &b2, &c}) {
            b->onGotFocus = [b] { gLog->push_back("got " + b->name()); };
            b->onLostFocus = [b] { gLog->push_back("lost " + b->name()); };
            b->onClick = [b] { gLog->push_back("click " + b->name()); };
        }
        pic.onGotFocus = [] { gLog->push_back("got pic"); };
        pic.onLostFocus = [] { gLog->push_back("lost pic"); };
        box.onGotFocus = [] { gLog->push_back("got box"); };
        box.onLostFocus = [] { gLog->push_back("lost box"); };
    }
    CommandButton& a = add<CommandButton>("A", 0, 0, 600, 300);
    CommandButton& b2 = add<CommandButton>("B", 700, 0, 600, 300);
    CommandButton& c = add<CommandButton>("C", 1400, 0, 600, 300);
    TextBox& box = add<TextBox>("box", 0, 400, 1200, 300);
    PictureBox& pic = add<PictureBox>("pic", 0, 800, 372, 132);
};

struct FocusTest : ::testing::Test {
    std::vector<std::string> log;
    App app;
    Board* board = nullptr;
    void SetUp() override {
        gLog = &log;
        app.start<Board>();
        board = &app.form<Board>();
        log.clear();
    }
    void TearDown() override { EXPECT_TRUE(app.diagnostics().empty()); }
    std::vector<std::string> take() { return std::exchange(log, {}); }
};

}  // namespace

TEST_F(FocusTest, ShowingGivesTheFirstTabStopTheFocus) {
    EXPECT_EQ(board->owner(), &board->a);
}

TEST_F(FocusTest, FocusEventsRunAfterTheHandlerReturnsLostBeforeGot) {
    app.dispatch([&] {
        board->pic.setFocus();
        log.push_back("handler end");
    });
    EXPECT_EQ(take(), (std::vector<std::string>{"handler end", "lost A", "got pic"}));
}

TEST_F(FocusTest, RequestForTheOwnerDoesNothing) {
    app.dispatch([&] { board->a.setFocus(); });
    EXPECT_TRUE(take().empty());
}

TEST_F(FocusTest, SameControlTwiceInOneHandlerRunsOnePair) {
    app.dispatch([&] {
        board->pic.setFocus();
        board->pic.setFocus();
    });
    EXPECT_EQ(take(), (std::vector<std::string>{"lost A", "got pic"}));
}

TEST_F(FocusTest, TwoTargetsInOneHandlerBothRunAndTheLastOwns) {
    app.dispatch([&] {
        board->pic.setFocus();
        board->b2.setFocus();
    });
    EXPECT_EQ(take(), (std::vector<std::string>{"lost A", "got pic", "lost pic", "got B"}));
    EXPECT_EQ(board->owner(), &board->b2);
}

TEST_F(FocusTest, RequestsInsideAFocusHandlerQueueBehind) {
    board->pic.onGotFocus = [&] {
        log.push_back("got pic");
        board->c.setFocus();
    };
    app.dispatch([&] { board->pic.setFocus(); });
    EXPECT_EQ(take(), (std::vector<std::string>{"lost A", "got pic", "lost pic", "got C"}));
}

TEST_F(FocusTest, NoticeStillRunsWhenItsControlWasHiddenMeanwhile) {
    app.dispatch([&] {
        board->b2.setFocus();
        board->b2.visible = false;
    });
    // got B runs although B is hidden; then the hidden owner loses the focus.
    EXPECT_EQ(take(), (std::vector<std::string>{"lost A", "got B", "lost B"}));
    EXPECT_EQ(board->owner(), nullptr);
}

TEST_F(FocusTest, HiddenOwnerLosesFocusSoALaterRequestRunsItsTurnAgain) {
    app.dispatch([&] { board->c.visible = false; });
    app.dispatch([&] { board->c.visible = true; board->c.setFocus(); });
    app.dispatch([&] { board->c.visible = false; });
    EXPECT_EQ(board->owner(), nullptr);
    take();
    app.dispatch([&] {
        board->c.visible = true;
        board->c.setFocus();
    });
    EXPECT_EQ(take(), (std::vector<std::string>{"got C"}));
}

TEST_F(FocusTest, FocusToAHiddenControlIsIgnoredAndReported) {
    board->b2.visible = false;
    app.dispatch([&] { board->b2.setFocus(); });
    EXPECT_EQ(board->owner(), &board->a);
    EXPECT_EQ(app.diagnostics().size(), 1u);
    app.diagnostics().clear();
}

TEST_F(FocusTest, ClickFocusesTheButtonBeforeItsClick) {
    app.click(board->b2);
    EXPECT_EQ(take(), (std::vector<std::string>{"lost A", "got B", "click B"}));
    app.click(board->b2);
    EXPECT_EQ(take(), (std::vector<std::string>{"click B"}));
}

TEST_F(FocusTest, ClickDoesNotRunWhenTheGotFocusHandlerHidesTheButton) {
    board->b2.onGotFocus = [&] {
        log.push_back("got B");
        board->b2.visible = false;
    };
    app.click(board->b2);
    EXPECT_EQ(take(), (std::vector<std::string>{"lost A", "got B", "lost B"}));
}

TEST_F(FocusTest, PictureBoxesNeverTakeTheFocusFromTheMouseOrTab) {
    EXPECT_FALSE(app.click(board->pic));
    EXPECT_FALSE(app.clickAt(*board, 10, 810));
    for (int i = 0; i < 5; ++i) app.key(*board, keys::Tab);
    EXPECT_TRUE(std::find(log.begin(), log.end(), "got pic") == log.end());
}

TEST_F(FocusTest, TabAndShiftTabWalkTheVisibleTabStops) {
    board->b2.visible = false;
    app.key(*board, keys::Tab);
    EXPECT_EQ(board->owner(), &board->c);
    app.key(*board, keys::Tab);
    EXPECT_EQ(board->owner(), &board->box);
    app.key(*board, keys::Tab);
    EXPECT_EQ(board->owner(), &board->a);
    app.key(*board, keys::Tab, keys::ShiftMask);
    EXPECT_EQ(board->owner(), &board->box);
}

TEST_F(FocusTest, SpaceClicksTheFocusedButtonEnterDoesNot) {
    app.key(*board, keys::Enter, 0, '\r');
    EXPECT_TRUE(take().empty());
    app.key(*board, keys::Space, 0, ' ');
    EXPECT_EQ(take(), (std::vector<std::string>{"click A"}));
}

TEST_F(FocusTest, SpaceClicksAButtonThatRefusesKeysOnlyWhereTheUserPutTheFocus) {
    board->a.acceptsKeyClick = [&] { return board->a.focusedByUser(); };
    const auto spaceClicks = [&] {
        app.key(*board, keys::Space, 0, ' ');
        const auto l = take();
        return std::count(l.begin(), l.end(), "click A");
    };
    EXPECT_EQ(spaceClicks(), 0);  // shown: the program focused A
    app.key(*board, keys::Tab);
    app.key(*board, keys::Tab, keys::ShiftMask);
    EXPECT_EQ(spaceClicks(), 1);
    app.dispatch([&] { board->a.setFocus(); });  // the program asks for it where it is
    EXPECT_EQ(spaceClicks(), 1);
    app.dispatch([&] {  // away and back within one handler
        board->c.setFocus();
        board->a.setFocus();
    });
    EXPECT_EQ(spaceClicks(), 1);
    board->c.onClick = [&] { board->a.setFocus(); };
    app.click(board->c);  // the user takes it to C, whose handler sends it back to A
    EXPECT_EQ(spaceClicks(), 0);
    app.key(*board, keys::Tab, keys::ShiftMask);
    app.key(*board, keys::Tab);
    EXPECT_EQ(spaceClicks(), 1);
    app.dispatch([&] { board->c.setFocus(); });
    app.dispatch([&] { board->a.setFocus(); });  // the program parks it back on A
    EXPECT_EQ(spaceClicks(), 0);
    app.click(board->a);
    EXPECT_EQ(take(), (std::vector<std::string>{"click A"}));
    EXPECT_EQ(spaceClicks(), 1);
}

TEST_F(FocusTest, TypingGoesThroughTheKeyPressHandlerIntoTheBox) {
    app.click(board->box);
    board->box.onKeyPress = [&](int& ch) {
        if (ch == 'x') ch = 0;  // swallowed
    };
    app.type(*board, "a<b>x&\x7f\u0085&é😀");
    app.type(*board, "\b");
    EXPECT_EQ(board->box.text, "a<b>&&é");
}

TEST_F(FocusTest, EndingInsideAHandlerDropsTheQueue) {
    app.dispatch([&] {
        board->pic.setFocus();
        app.end();
    });
    EXPECT_TRUE(take().empty());
    EXPECT_TRUE(app.ended());
    EXPECT_FALSE(app.click(board->a));
}
