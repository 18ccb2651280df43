// A table opened through the welcome screen, with no programming error
// reported by the end of the test.
#pragma once

#include <gtest/gtest.h>

#include "support/table_driver.h"

namespace kestrin::test {

struct OpenTable : ::testing::Test {
    TableDriver game;
    tables* t = nullptr;
    void SetUp() override { t = &game.open(); }
    void TearDown() override { EXPECT_TRUE(game.app.diagnostics().empty()); }
};

}  // namespace kestrin::test
