// The fixture of the window's tests: the main window shown on the offscreen
// screen, without motion unless asked for, its message boxes answered at once and recorded ("title:
// text"), a game set in the one-line notation, clicks on its cards and its stock as the window
// hands them to the rules (in table pixels, in the middle of what the player clicks), and the
// computer's move once its pause is over.
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
    explicit WindowTest(const LaunchSettings& settings = {.motion = false}) : w(settings)
    {
        w.probe().presentMessage = [this](const QString& text, const QString& title) {
            messages << title + ": " + text;
        };
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    // The game of `line`, drawn.
    static void Play(Form1& f, std::string_view line)
    {
        std::string error;
        ASSERT_TRUE(ParseTable(line, f.probe().table, error)) << error;
        f.RedrawTable();
    }
    // The suit button of `suit` raised, its suit named (-1: all flat), drawn.
    static void Raise(Form1& f, int suit)
    {
        f.probe().table.RaisedSuit = static_cast<int16_t>(suit);
        if (suit >= 0)
            f.probe().table.CurrentSuit = static_cast<int16_t>(suit);
        f.RedrawTable();
    }
    static void ClickCard(Form1& f, int i, Qt::MouseButton button = Qt::LeftButton)
    {
        const TableRect strip = HandStrip(f.probe().geometry, f.probe().table.HumanCount, i);
        f.Form_MouseDown(button, {}, strip.x + strip.width / 2, strip.y + strip.height / 2);
    }
    static void ClickStock(Form1& f, Qt::MouseButton button = Qt::LeftButton)
    {
        const TableRect stock = StockRect(f.probe().geometry);
        f.Form_MouseDown(button, {}, stock.x + stock.width / 2, stock.y + stock.height / 2);
    }
    // The timer's tick once the computer's pause is over: it moves then.
    static void ComputerMoves(Form1& f)
    {
        f.probe().table.LastMoveTick = GetTickCount() - kLongPastThePause;
        f.Timer1_Timer();
    }
    void play(std::string_view line) { Play(w, line); }
    void clickCard(int i, Qt::MouseButton button = Qt::LeftButton) { ClickCard(w, i, button); }
    void clickStock(Qt::MouseButton button = Qt::LeftButton) { ClickStock(w, button); }
    void computerMoves() { ComputerMoves(w); }

    Form1 w;
    QStringList messages;
};

} // namespace kolvar::testing
