// The real program on a real X display, played with real mouse clicks and
// keys, and checked on what the screen shows.
#include "game/notation.h"
#include "game/rules.h"
#include "game_test.h"
#include "table_reader.h"

#include <QElapsedTimer>
#include <functional>
#include <gtest/gtest.h>

namespace kolvar::e2e {
namespace {

// How a test plays: it names a suit, lays card i of the hand, or takes.
struct Moves {
    std::function<void(int suit)> nameSuit;
    std::function<void(int index)> lay;
    std::function<void()> take;
};

struct EndToEnd : GameTest {
    void SetUp() override
    {
        GameTest::SetUp();
        const QRect client = display->clientGeometry(game->window());
        ASSERT_TRUE(WaitFor([&] { return reader.locate(display->screenshot(), client); }, 5000))
            << "no table under a menu bar on screen";
    }

    SeenTable look() const { return reader.read(display->stillScreenshot()); }
    // Deals and waits until the dealt table is on screen.
    SeenTable deal()
    {
        game->focus();
        display->key("F2");
        SeenTable seen;
        EXPECT_TRUE(WaitFor([&] { return (seen = look()).hand.size() == 5; }, 5000));
        if (seen.hand.size() != 5)
            display->screenshot().save("/tmp/e2e-deal-failed.png");
        return seen;
    }
    void playWholeGame(const Moves& moves);
    // Closes a message box with its OK button's key.
    void answer(const QString& title)
    {
        const QStringList boxes = display->windows(title);
        ASSERT_FALSE(boxes.isEmpty()) << title.toStdString();
        display->key("Return", boxes.first());
        EXPECT_TRUE(WaitFor([&] { return !windowOpen(title); }, 3000)) << title.toStdString();
    }

    TableReader reader{KOLVAR_ASSETS};
};

std::string text(const std::vector<Face>& cards)
{
    std::string out;
    for (Face c : cards)
        out += FormatCard(c) + " ";
    return out;
}

// The table as far as the screen shows it: the top card and the raised suit.
// A jack penalty does not show; a card it refuses stays in the hand.
Table seenAsTable(const SeenTable& seen)
{
    Table t;
    t.CurrentSuit = static_cast<int16_t>(seen.raisedSuit);
    t.PlayedCount = seen.top ? 1 : 0;
    t.setTopCard(seen.top.value_or(Face{}));
    t.HumanDrawDue = 1;
    return t;
}

// --- A game --------------------------------------------------------------

TEST_F(EndToEnd, F2DealsFiveCardsEachAndTheStockWithNoSuitNamed)
{
    const SeenTable seen = deal();
    EXPECT_EQ(seen.hand.size(), 5u);
    EXPECT_EQ(seen.computerCards, 5);
    EXPECT_TRUE(seen.stockShown);
    EXPECT_FALSE(seen.top.has_value());
    EXPECT_FALSE(seen.underTop.has_value());
    EXPECT_EQ(seen.raisedSuit, -1);
}

// Plays a game to its end message with `moves`, always the first card that
// the rules admit, else a take; then closes the message.
void EndToEnd::playWholeGame(const Moves& moves)
{
    SeenTable seen = deal();
    QElapsedTimer clock;
    clock.start();
    int made = 0, laid = 0;
    while (!windowOpen("^Kolvar Americana$") && clock.elapsed() < 240000) {
        seen = look();
        if (windowOpen("^Kolvar Americana$"))
            break;
        if (seen.raisedSuit < 0) {
            // Name a suit: the first card's, after a seven or at the opening.
            const int suit = seen.hand.empty() ? 0 : seen.hand.front().Suit;
            moves.nameSuit(suit);
            WaitFor([&] { return look().raisedSuit == suit; }, 3000);
            continue;
        }
        const Table table = seenAsTable(seen);
        int pick = -1;
        for (size_t i = 0; i < seen.hand.size() && pick < 0; ++i)
            if (MayLay(table, Side::Human, seen.hand[i]))
                pick = static_cast<int>(i);
        const std::string before = text(seen.hand);
        auto handChanged = [&] { return text(look().hand) != before; };
        if (pick >= 0)
            moves.lay(pick);
        // A card refused (a jack is owed) leaves the hand as it was: take instead.
        if (pick >= 0 && WaitFor(handChanged, 1500)) {
            ++laid;
        } else {
            moves.take();
            WaitFor(handChanged, 3000);
        }
        ++made;
        // The computer's answer, unless the move kept the turn: an ace of
        // the human's, or his seven, after which he names the suit first.
        const SeenTable mine = look();
        const bool keptTheTurn = mine.hand.size() < seen.hand.size() && mine.top &&
                                 (mine.top->Rank == kAce || mine.top->Rank == kSeven);
        if (keptTheTurn)
            continue;
        WaitFor(
            [&] {
                const SeenTable now = look();
                return now.computerCards != mine.computerCards ||
                       text(now.hand) != text(mine.hand) ||
                       (now.top && mine.top && *now.top != *mine.top) ||
                       windowOpen("^Kolvar Americana$");
            },
            3000);
    }
    ASSERT_TRUE(windowOpen("^Kolvar Americana$"))
        << "no end after " << made << " moves; hand " << text(look().hand);
    // The opening lay is always open (the suit named is the first card's), so
    // a game in which no card was laid was not played by these moves.
    EXPECT_GT(laid, 0) << "the game ended without a card of the hand laid";
    answer("^Kolvar Americana$");
}

TEST_F(EndToEnd, AWholeGameCanBePlayedToItsEndMessage)
{
    playWholeGame({[&](int suit) { display->click(reader.suitButton(suit)); },
                   [&](int index) { display->click(reader.handCard(index)); },
                   [&] { display->click(reader.stock()); }});
    // The game is over: the table keeps its last state and takes no more
    // clicks. F1 after the click opens the rules: once they are up, the click
    // before them has been handled.
    const SeenTable after = look();
    display->click(reader.stock());
    display->key("F1", game->window());
    ASSERT_TRUE(WaitFor([&] { return windowOpen("^Reguli de joc$"); }, 3000));
    EXPECT_EQ(text(look().hand), text(after.hand));
    EXPECT_FALSE(windowOpen("^Kolvar"));
}

TEST_F(EndToEnd, AWholeGameCanBePlayedWithKeysAlone)
{
    playWholeGame({[&](int suit) { display->key(QString::number(suit + 1)); },
                   [&](int index) {
                       display->key("Home");
                       for (int i = 0; i < index; ++i)
                           display->key("Right");
                       display->key("Return");
                   },
                   [&] { display->key("Down"); }});
    // After the end no key plays; the rules that F1 opens after it show that
    // the key has been handled.
    game->focus();
    const SeenTable after = look();
    display->key("t");
    display->key("F1");
    ASSERT_TRUE(WaitFor([&] { return windowOpen("^Reguli de joc$"); }, 3000));
    EXPECT_EQ(text(look().hand), text(after.hand));
}

// The player who asks for a hint (H) before every move and makes it (Enter:
// the card the outline went to, or the take when it went to the stock)
// plays a whole game to its end.
TEST_F(EndToEnd, AWholeGameCanBePlayedByHintsAlone)
{
    const auto hinted = [&] {
        display->key("h");
        display->key("Return");
    };
    playWholeGame({[&](int suit) { display->key(QString::number(suit + 1)); },
                   [&](int) { hinted(); }, hinted});
}

// --- The menus -------------------------------------------------------------

TEST_F(EndToEnd, F1OpensTheRulesAndF3TheOptionsButOnlyBetweenGames)
{
    display->key("F1");
    EXPECT_TRUE(WaitFor([&] { return windowOpen("^Reguli de joc$"); }, 3000));
    game->focus();
    display->key("F3");
    EXPECT_TRUE(WaitFor([&] { return windowOpen("^Optiuni$"); }, 3000));
    // The options window takes the focus once it is mapped; only then can
    // another window keep it.
    EXPECT_TRUE(WaitFor(
        [&] { return display->focused() == display->windows("^Optiuni$").value(0); }, 3000));

    Game second(*display, KOLVAR_BINARY); // a fresh program, for a game in progress
    ASSERT_TRUE(second.started());
    display->key("F2", second.window());
    ASSERT_TRUE(WaitFor([&] { return look().hand.size() == 5; }, 5000)) << "no deal";
    display->key("F3", second.window());
    // F1 after it opens the second program's rules: once they are up, F3 has
    // been handled.
    display->key("F1", second.window());
    ASSERT_TRUE(WaitFor([&] { return display->windows("^Reguli de joc$").size() == 2; }, 3000));
    EXPECT_EQ(display->windows("^Optiuni$").size(), 1) << "F3 opened the options during a game";
}

TEST_F(EndToEnd, DespreShowsTheAboutBox)
{
    // Open "File" at the menu bar's left end, move right to "Help", whose
    // first item is "Despre".
    const QRect menus(0, 20, 300, 150); // where the two menus drop down
    const QImage closed = display->screenshot().copy(menus);
    display->click({12, 9});
    QImage file;
    ASSERT_TRUE(WaitFor([&] { return (file = display->screenshot().copy(menus)) != closed; }, 3000))
        << "File did not open";
    display->key("Right");
    ASSERT_TRUE(WaitFor(
        [&] {
            const QImage now = display->screenshot().copy(menus);
            return now != file && now != closed;
        },
        3000))
        << "Help did not open";
    display->key("Return");
    ASSERT_TRUE(WaitFor([&] { return windowOpen("^Kolvar v.01$"); }, 3000));
    answer("^Kolvar v.01$");
}

TEST_F(EndToEnd, F4EndsTheProgramAtOnce)
{
    game->focus();
    display->key("F4");
    EXPECT_TRUE(game->process().waitForFinished(2000));
    EXPECT_EQ(game->process().exitStatus(), QProcess::NormalExit);
    EXPECT_EQ(game->process().exitCode(), 0);
}

} // namespace
} // namespace kolvar::e2e
