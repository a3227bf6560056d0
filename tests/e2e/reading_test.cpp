// The table read at drawing scales that are not whole numbers, where every
// strip of the hand is round(X(i+1) s) - round(X(i) s) pixels wide and the
// art is the generator's at exactly s: the zoom is set with KOLVAR_ZOOM (and
// the screen's density with Qt's scale), the table is read in the window's
// client area, and a suit is named and a card laid by clicks at the places
// the reader works out. The same screen moved away from the corner, as a
// framed window on a desktop lies, must read the same.
#include "game/notation.h"
#include "table_reader.h"
#include "x_display.h"

#include <gtest/gtest.h>

namespace kolvar::e2e {
namespace {

struct Scale {
    QSize screen;
    double zoom;    // KOLVAR_ZOOM
    double qtScale; // QT_SCALE_FACTOR
};

std::ostream& operator<<(std::ostream& out, const Scale& s)
{
    return out << "zoom " << s.zoom << " at Qt scale " << s.qtScale;
}

struct AtScale : ::testing::TestWithParam<Scale> {
    void SetUp() override
    {
        const Scale& scale = GetParam();
        display = std::make_unique<XDisplay>(scale.screen);
        ASSERT_TRUE(display->ok()) << "Xvfb did not start";
        QStringList environment{"KOLVAR_ZOOM=" + QString::number(scale.zoom)};
        if (scale.qtScale != 1)
            environment << "QT_SCALE_FACTOR=" + QString::number(scale.qtScale);
        game = std::make_unique<Game>(*display, KOLVAR_BINARY, environment);
        ASSERT_TRUE(game->started()) << "the main window did not appear";
        reader = std::make_unique<TableReader>(KOLVAR_ASSETS, scale.qtScale, FixedZoom(scale.zoom));
    }

    SeenTable look()
    {
        shot = display->stillScreenshot();
        client = display->clientGeometry(game->window());
        return reader->locate(shot, client) ? reader->read(shot) : SeenTable{};
    }

    std::unique_ptr<XDisplay> display;
    std::unique_ptr<Game> game;
    std::unique_ptr<TableReader> reader;
    QImage shot;
    QRect client;
};

TEST_P(AtScale, TheDealtTableReadsAndClicksLandOnTheirCards)
{
    const Scale& scale = GetParam();
    game->focus();
    display->key("F2");
    SeenTable seen;
    ASSERT_TRUE(WaitFor(
        [&] {
            seen = look();
            return seen.hand.size() == 5 && seen.handWhole && seen.computerCards == 5;
        },
        5000))
        << "no dealt table read at s = " << reader->scale().s();
    EXPECT_DOUBLE_EQ(reader->scale().s(), scale.zoom * scale.qtScale);
    EXPECT_TRUE(seen.stockShown);
    for (int suit = 0; suit < kSuitCount; ++suit)
        EXPECT_FALSE(seen.suitButtons[suit].isEmpty()) << "no suit button " << suit;

    // A framed window lies away from the screen's corner: the same pixels
    // there read the same.
    const QPoint offset(137, 61);
    QImage moved(shot.size() + QSize(offset.x(), offset.y()), QImage::Format_RGB32);
    moved.fill(Qt::darkGray);
    for (int y = 0; y < shot.height(); ++y)
        for (int x = 0; x < shot.width(); ++x)
            moved.setPixel(offset + QPoint(x, y), shot.pixel(x, y));
    TableReader elsewhere(KOLVAR_ASSETS, scale.qtScale, FixedZoom(scale.zoom));
    ASSERT_TRUE(elsewhere.locate(moved, client.translated(offset)));
    const SeenTable there = elsewhere.read(moved);
    EXPECT_EQ(there.hand, seen.hand);
    EXPECT_EQ(there.computerCards, seen.computerCards);
    EXPECT_EQ(there.suitButtons[0], seen.suitButtons[0].translated(offset));

    const Face card = seen.hand.front();
    display->click(reader->suitButton(card.Suit));
    ASSERT_TRUE(WaitFor([&] { return look().raisedSuit == card.Suit; }, 3000))
        << "the click did not name " << card.Suit;
    display->click(reader->handCard(0));
    ASSERT_TRUE(WaitFor(
        [&] {
            seen = look();
            return seen.top == card;
        },
        3000))
        << "a click on " << FormatCard(card) << "'s strip did not lay it";
    EXPECT_EQ(seen.hand.size(), 4u);
}

// On 1280 x 800, under a menu bar 19 pixels high, the table widget is 781
// logical pixels high, and 781 / 1.1 is 710 exactly, though the division in
// doubles gives 709.99..: the table is 710 table pixels high, not 709.
INSTANTIATE_TEST_SUITE_P(Scales, AtScale,
                         ::testing::Values(Scale{{1366, 768}, 1.1, 1}, Scale{{1280, 800}, 1.1, 1},
                                           Scale{{1366, 768}, 1.5, 1}, Scale{{1280, 800}, 1, 1.25}),
                         [](const auto& info) {
                             const Scale& s = info.param;
                             return "s" +
                                    std::to_string(
                                        static_cast<int>(std::lround(s.zoom * s.qtScale * 100))) +
                                    "_" + std::to_string(s.screen.width()) + "x" +
                                    std::to_string(s.screen.height());
                         });

} // namespace
} // namespace kolvar::e2e
