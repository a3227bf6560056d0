// A game on screens of three sizes and densities, played with real clicks
// and read off the screen: 1280 x 800, 1920 x 1080, and 1920 x 1080 under
// Qt scale 2. On each the table takes the zoom at which the designed table
// fills the window one way and fits the other, its cards are the generator's
// art at that zoom times the Qt scale, and the hand lies 50 table pixels
// above the bottom; the player deals, names a suit, lays a card, and the
// computer answers.
#include "game/notation.h"
#include "table_reader.h"
#include "x_display.h"

#include <QDir>
#include <QElapsedTimer>
#include <algorithm>
#include <gtest/gtest.h>

namespace kolvar::e2e {
namespace {

struct Screen {
    QSize size;
    double qtScale;
    const char* shot;
};

std::ostream& operator<<(std::ostream& out, const Screen& s)
{
    return out << s.size.width() << "x" << s.size.height() << " at Qt scale " << s.qtScale;
}

struct OnScreens : ::testing::TestWithParam<Screen> {
    void SetUp() override
    {
        const Screen& screen = GetParam();
        display = std::make_unique<XDisplay>(screen.size);
        ASSERT_TRUE(display->ok()) << "Xvfb did not start";
        QStringList environment;
        if (screen.qtScale != 1)
            environment << "QT_SCALE_FACTOR=" + QString::number(screen.qtScale);
        game = std::make_unique<Game>(*display, KOLVAR_BINARY, environment);
        ASSERT_TRUE(game->started()) << "the main window did not appear";
        reader = std::make_unique<TableReader>(KOLVAR_ASSETS, screen.qtScale);
        const QRect client = display->clientGeometry(game->window());
        ASSERT_TRUE(WaitFor([&] { return reader->locate(display->screenshot(), client); }, 5000))
            << "no table under a menu bar on screen";
    }

    SeenTable look() const { return reader->read(display->screenshot()); }
    bool windowOpen(const QString& title) const { return !display->windows(title).isEmpty(); }

    // Deals until the hand holds a card after which the turn passes (neither
    // a seven nor an ace); returns its slot.
    int dealAPassingCard(SeenTable& seen)
    {
        for (int tries = 0; tries < 10; ++tries) {
            game->focus();
            display->key("F2");
            EXPECT_TRUE(WaitFor([&] { return (seen = look()).hand.size() == 5; }, 5000));
            for (size_t i = 0; i < seen.hand.size(); ++i)
                if (seen.hand[i].Rank != kSeven && seen.hand[i].Rank != kAce)
                    return static_cast<int>(i);
        }
        return -1;
    }

    std::unique_ptr<XDisplay> display;
    std::unique_ptr<Game> game;
    std::unique_ptr<TableReader> reader;
};

// How far a card reaches from its top-left corner on screen, right and down,
// up to the table colour.
QSize reach(const QImage& screen, QPoint corner)
{
    const QRgb table = 0xFFC080;
    int w = 0, h = 0;
    while ((screen.pixel(corner + QPoint(w, 10)) & 0xffffff) != table)
        ++w;
    while ((screen.pixel(corner + QPoint(10, h)) & 0xffffff) != table)
        ++h;
    return {w, h};
}

TEST_P(OnScreens, TheHumanNamesASuitLaysACardAndTheComputerAnswersAfterASecond)
{
    const Screen& screen = GetParam();
    const QSize card = reader->cardSize();
    SeenTable seen;
    const int slot = dealAPassingCard(seen);
    ASSERT_GE(slot, 0) << "no card that passes the turn in ten deals";
    const Face laid = seen.hand[slot];

    // The dealt cards are the card's size on screen, the last one whole, and
    // the hand lies along the bottom: 50 table pixels above the edge.
    const QImage dealt = display->screenshot();
    const TableGeometry& g = reader->layout();
    const QPoint last = reader->onScreen(g.HumanSlotPos[4].X, g.HumanSlotPos[4].Y);
    EXPECT_EQ(reach(dealt, last), card);
    EXPECT_EQ(reach(dealt, reader->onScreen(g.StockX, g.StockY)), card);
    const double s = reader->scale().s();
    const int below = reader->table().bottom() + 1 - (last.y() + card.height());
    EXPECT_GE(below, 50 * s - 2); // the rounding, and the card covering its span
    EXPECT_LE(below, 51 * s + 1);

    display->click(reader->handCard(slot));
    ASSERT_TRUE(WaitFor([&] { return windowOpen("^Kolvar$"); }, 3000)) << "no reminder";
    display->key("Return", display->windows("^Kolvar$").value(0));
    ASSERT_TRUE(WaitFor([&] { return !windowOpen("^Kolvar$"); }, 3000));

    display->click(reader->suitButton(laid.Suit));
    ASSERT_TRUE(WaitFor(
        [&] {
            seen = look();
            return seen.raisedSuit == laid.Suit;
        },
        3000));

    const int computerBefore = seen.computerCards;
    // The clock starts before the click is sent, so that it can only count
    // more than the time since the lay: never less than the computer's second.
    QElapsedTimer sinceLay;
    sinceLay.start();
    display->click(reader->handCard(slot), 3); // any mouse button lays a card
    // The card leaves the hand; a slow look may find the computer's answer
    // already on it.
    ASSERT_TRUE(WaitFor(
        [&] {
            seen = look();
            return seen.hand.size() == 4u &&
                   std::find(seen.hand.begin(), seen.hand.end(), laid) == seen.hand.end();
        },
        3000))
        << "the card was not laid";

    ASSERT_TRUE(WaitFor(
        [&] {
            seen = look();
            return seen.computerCards != computerBefore;
        },
        5000, 20))
        << "the computer did not answer";
    EXPECT_GE(sinceLay.elapsed(), 950) << "the computer moved before its second was up";
    // The game at play, as the software centres show it.
    QDir().mkpath(KOLVAR_SCREENSHOTS);
    EXPECT_TRUE(display->screenshot().save(QString(KOLVAR_SCREENSHOTS "/") + screen.shot));
}

INSTANTIATE_TEST_SUITE_P(
    Screens, OnScreens,
    ::testing::Values(Screen{{1280, 800}, 1, "kolvar-at-play.png"},
                      Screen{{1920, 1080}, 1, "kolvar-at-play-1920x1080.png"},
                      Screen{{1920, 1080}, 2, "kolvar-at-play-1920x1080-qt2.png"}),
    [](const auto& info) {
        const Screen& s = info.param;
        return std::to_string(s.size.width()) + "x" + std::to_string(s.size.height()) +
               (s.qtScale != 1 ? "_QtScale" + std::to_string(static_cast<int>(s.qtScale)) : "");
    });

} // namespace
} // namespace kolvar::e2e
