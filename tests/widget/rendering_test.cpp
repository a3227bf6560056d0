// The drawing of the table at scale 1: what the player sees at each
// computed place, as the table's box draws it on screen, is the shipped card
// sheet's cell, the card back, or the table colour.
#include "drawn.h"
#include "pictures.h"
#include "platform/picture_box.h"
#include "table_text.h"
#include "view/card_rendering.h"
#include "view/form1.h"

namespace kolvar::testing {
namespace {

constexpr const char* kFullHand = "7d,7s,7h,7c,8d,8s,8h,8c,9d,9s,9h,9c,Td,Ts,Th,Tc,Ad,As,Ah,Ac,Jd";

struct Rendering : ::testing::Test {
    Rendering()
        : surface(nullptr, QSize(kClientWidth, kClientHeight), kTableColour),
          renderer(view, surface)
    {
    }
    void draw(std::string_view line)
    {
        t = TableFrom(line);
        renderer.drawWhole();
    }
    // The table as the box shows it on screen.
    QImage shown() { return Drawn(surface); }
    ::testing::AssertionResult faceAt(QPoint at, std::string_view card, QRect part)
    {
        Card c;
        Table probe = TableFrom(std::string("human=") + std::string(card));
        c = probe.HumanHand[0];
        return SamePixels(shown(), at, cell(c.Rank, c.Suit), part);
    }
    // A card back stretched to 70 x 100: every row one of the back's rows, in
    // order, from its first row to its last; of a card that the next one
    // covers, only the left strip `width` pixels wide shows.
    ::testing::AssertionResult backAt(QPoint at, int width = kCardWidth)
    {
        const QImage back = cardBack();
        const QImage seen = shown();
        int row = 0;
        for (int y = 0; y < kCardHeight; ++y) {
            while (row < back.height() &&
                   !SamePixels(seen, at + QPoint(0, y), back, QRect(0, row, width, 1)))
                ++row;
            if (row == back.height())
                return ::testing::AssertionFailure() << "row " << y << " of the back at (" << at.x()
                                                     << "," << at.y() << ") is no back row";
            if (y == 0 && row != 0)
                return ::testing::AssertionFailure() << "the back does not start at its first row";
        }
        if (row != back.height() - 1)
            return ::testing::AssertionFailure() << "the back does not end at its last row";
        return ::testing::AssertionSuccess();
    }
    bool tableColourAt(int x, int y) { return QColor(shown().pixel(x, y)) == kTableColour; }

    Table t;
    HandSelection selection;
    TableScale scale; // zoom 1 on a screen of ratio 1
    TableView view{t, t, TestGeometry(), selection, scale};
    PictureBox surface;
    CardRenderer renderer;
};

const QRect kLeftStrip(0, 0, 35, kCardHeight);
const QRect kRightHalf(35, 0, 35, kCardHeight);
const QRect kWholeCard(0, 0, kCardWidth, kCardHeight);

TEST_F(Rendering, ADealtTableShowsBothHandsAndTheStockButNoPile)
{
    draw("human=Kh,7c,Ad computer=9s,Qd,Jc played=0 top=Ks");
    EXPECT_TRUE(faceAt({220, 550}, "Kh", kLeftStrip));
    EXPECT_TRUE(faceAt({255, 550}, "7c", kLeftStrip));
    EXPECT_TRUE(faceAt({290, 550}, "Ad", kWholeCard));
    EXPECT_TRUE(backAt({220, 50}, 35));
    EXPECT_TRUE(backAt({255, 50}, 35));
    EXPECT_TRUE(backAt({290, 50}));
    EXPECT_TRUE(backAt({220, 300}));
    EXPECT_TRUE(tableColourAt(465 + 35, 350)); // no discard pile yet
    EXPECT_TRUE(tableColourAt(360, 600));      // right of the last card
    EXPECT_TRUE(tableColourAt(220, 400));      // just below the stock: 100 rows high
    EXPECT_TRUE(tableColourAt(0, 0));
}

TEST_F(Rendering, ThePileShowsTheTopCardAndFromTheSecondLayTheCardUnderIt)
{
    draw("human=8d computer=9s top=Qh prev=Kc played=1");
    EXPECT_TRUE(faceAt({465, 300}, "Qh", kWholeCard));
    EXPECT_TRUE(tableColourAt(540, 350)); // no card under it yet

    draw("human=8d computer=9s top=Qh prev=Kc played=2");
    EXPECT_TRUE(faceAt({465, 300}, "Qh", kWholeCard)); // over the left half of the card under it
    EXPECT_TRUE(faceAt({535, 300}, "Kc", kRightHalf));
}

TEST_F(Rendering, FullHandsOfTwentyOneCardsRunAlongTheRows)
{
    draw(std::string("human=") + kFullHand + " computer=Js,Jh,Jc,Qd,Qs,Qh,Qc,Kd,Ks,Kh,Kc");
    const std::string hand = kFullHand;
    for (int i = 0; i < 21; ++i) {
        const std::string card = hand.substr(3 * i, 2);
        EXPECT_TRUE(faceAt({220 + 35 * i, 550}, card, i < 20 ? kLeftStrip : kWholeCard)) << i;
    }
    EXPECT_TRUE(tableColourAt(50, 600)); // nothing piles up in the corner

    draw("human=Kh computer=7d,7s,7h,7c,8d,8s,8h,8c,9d,9s,9h,9c,Td,Ts,Th,Tc,Ad,As,Ah,Ac,Jd");
    for (int j = 0; j < 21; ++j)
        EXPECT_TRUE(backAt({220 + 35 * j, 50}, j < 20 ? 35 : kCardWidth)) << j;
    EXPECT_TRUE(tableColourAt(30, 60));
}

TEST_F(Rendering, TheStockIsDrawnEvenWhenItIsEmpty)
{
    draw("human=7d,7s,7h,7c,8d,8s,8h,8c,9d,9s,9h,9c,Td,Ts,Th,Tc "
         "computer=Ad,As,Ah,Ac,Jd,Js,Jh,Jc,Qd,Qs,Qh,Qc,Kd,Ks,Kh,Kc stock=");
    EXPECT_TRUE(backAt({220, 300}));
    draw("human= computer= top=Kd played=1");
    EXPECT_TRUE(backAt({220, 300}));
    EXPECT_TRUE(tableColourAt(225, 560)); // no human card
    EXPECT_TRUE(tableColourAt(225, 60));  // no computer card
}

TEST_F(Rendering, ACardIsPlacedByItsSlotField)
{
    t = TableFrom("human=8d,9s computer=Kc");
    t.HumanHand[0].Slot = 5;
    renderer.drawWhole();
    EXPECT_TRUE(faceAt({220 + 35 * 5, 550}, "8d", kWholeCard));
}

// A card whose rank has no cell in the sheet (a table written by hand)
// shows the face drawn before it.
TEST_F(Rendering, ARankOutsideTheSheetShowsTheFaceDrawnBeforeIt)
{
    draw("human=Kh,15.2,0.3 computer=Kc");
    EXPECT_TRUE(faceAt({220 + 35, 550}, "Kh", kLeftStrip));
    EXPECT_TRUE(faceAt({220 + 35 * 2, 550}, "Kh", kWholeCard));
}

} // namespace
} // namespace kolvar::testing
