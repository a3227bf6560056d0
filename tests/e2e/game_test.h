// A test with the real game on an X display that the test suite starts for
// itself: each test starts a fresh game and waits for its window.
#pragma once

#include "x_display.h"

#include <gtest/gtest.h>
#include <memory>

namespace kolvar::e2e {

struct GameTest : ::testing::Test {
    static void SetUpTestSuite() { display = new XDisplay; }
    static void TearDownTestSuite()
    {
        delete display;
        display = nullptr;
    }

    void SetUp() override
    {
        ASSERT_TRUE(display->ok()) << "Xvfb did not start";
        game = std::make_unique<Game>(*display, KOLVAR_BINARY);
        ASSERT_TRUE(game->started()) << "the main window did not appear";
    }

    bool windowOpen(const QString& title) const { return !display->windows(title).isEmpty(); }

    static inline XDisplay* display = nullptr;
    std::unique_ptr<Game> game;
};

} // namespace kolvar::e2e
