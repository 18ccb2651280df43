// A form without a caption shows no title, not the program's name.
#include <gtest/gtest.h>

#include <QWindow>

#include "front/clock.h"
#include "front/form_window.h"
#include "front/front_app.h"
#include "platform/app.h"
#include "startup/splash.h"

TEST(WindowTitle, SplashWithoutCaptionHasABlankTitleNotAnEmptyOne) {
    // The platform shows the application's name in place of an empty title.
    plat::App app;
    kestrin::front::ManualClock clock;
    kestrin::front::FrontApp front{app, clock};
    front.onEnded = [] {};
    front.start<kestrin::frmSplash>();
    const kestrin::front::FormWindow* window = front.windowFor(app.loadedForm<kestrin::frmSplash>());
    ASSERT_NE(window, nullptr);
    ASSERT_NE(window->windowHandle(), nullptr);
    const QString title = window->windowHandle()->title();
    EXPECT_FALSE(title.isEmpty());
    EXPECT_TRUE(title.trimmed().isEmpty()) << title.toStdString();
}
