// The fixture of the window's tests: the main window shown on the offscreen
// screen, its message boxes answered at once and recorded ("title: text"), a
// game set in the one-line notation, clicks on its cards and its stock as the
// window hands them to the rules (in table pixels, in the middle of what the
// player clicks), and the computer's move once its pause is over.
#pragma once

#include "game/layout.h"
#include "game/notation.h"
#include "game/suit_buttons.h"
#include "game/timing.h"
#include "platform/system.h"
#include "view/form1.h"

#include <QStringList>
#include <QTest>
#include <gtest/gtest.h>

namespace kolvar::testing {

// A last move this long ago leaves the computer due at the next tick.
inline constexpr int32_t kLongPastThePause = 5 * kComputerPauseMs;

struct WindowTest : ::testing::Test {
    WindowTest()
    {
        w.setMessagePresenter(
            [this](const QString& text, const QString& title) { messages << title + ": " + text; });
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    // The game of `line`, the button of `raisedSuit` raised (-1: none), drawn.
    void play(std::string_view line, int raisedSuit)
    {
        std::string error;
        ASSERT_TRUE(ParseTable(line, w.table(), error)) << error;
        FlattenSuitButtons(w);
        if (raisedSuit >= 0)
            w.SetSuitLook(raisedSuit, kRaised);
        w.RedrawTable();
    }
    void clickCard(int i, Qt::MouseButton button = Qt::LeftButton)
    {
        const TableRect strip = HandStrip(w.geometry(), w.table().HumanCount, i);
        w.Form_MouseDown(button, {}, strip.x + strip.width / 2, strip.y + strip.height / 2);
    }
    void clickStock(Qt::MouseButton button = Qt::LeftButton)
    {
        const TableRect stock = StockRect(w.geometry());
        w.Form_MouseDown(button, {}, stock.x + stock.width / 2, stock.y + stock.height / 2);
    }
    // The timer's tick once the computer's pause is over: it moves then.
    void computerMoves()
    {
        w.table().LastMoveTick = GetTickCount() - kLongPastThePause;
        w.Timer1_Timer();
    }

    Form1 w{LaunchSettings{.motion = false}};
    QStringList messages;
};

} // namespace kolvar::testing
