// The table drawn at the scales the game draws at (1, 1.5, 2 and 3 device
// pixels per table pixel): every card lies at the device pixel nearest to
// its table position times the scale and is the generator's face or back at
// that scale, pixel for pixel; overlapping cards leave no seam of table
// colour between them.
#include "drawn.h"
#include "pictures.h"
#include "platform/picture_box.h"
#include "table_text.h"
#include "view/card_rendering.h"
#include "view/form1.h"

#include <optional>

namespace kolvar::testing {
namespace {

constexpr const char* kFullHand = "7d,7s,7h,7c,8d,8s,8h,8c,9d,9s,9h,9c,Td,Ts,Th,Tc,Ad,As,Ah,Ac,Jd";
constexpr const char* kFullComputerHand =
    "Js,Jh,Jc,Qd,Qs,Qh,Qc,Kd,Ks,Kh,Kc,7d,7s,7h,7c,8d,8s,8h,8c,9d,9s";

struct DrawnAtScale : ::testing::TestWithParam<double> {
    DrawnAtScale()
        : s(GetParam()),
          surface(nullptr, QSize(OnDevice(kClientWidth, s), OnDevice(kClientHeight, s)),
                  kTableColour),
          scale{s, 1}, renderer(view, surface), card(artwork::cardSize(s))
    {
    }
    const QImage& draw(std::string_view line)
    {
        t = TableFrom(line);
        renderer.drawWhole();
        seen = Drawn(surface);
        return seen;
    }
    QPoint place(const SlotPos& p) const { return OnDevice(QPoint(p.X, p.Y), s); }
    // The columns of a card that show: up to where the next card starts.
    QRect shownPart(QPoint at, std::optional<QPoint> next) const
    {
        return {0, 0, next ? next->x() - at.x() : card.width(), card.height()};
    }
    // No pixel of table colour from the left edge of the first card to the
    // right edge of the last, over the cards' whole height.
    ::testing::AssertionResult noSeam(QPoint first, QPoint last) const
    {
        const QRect row(first, QPoint(last.x() + card.width() - 1, last.y() + card.height() - 1));
        const PixelTest notTable = [](QRgb p) { return !Is(kTableColour)(p); };
        return EveryPixel(seen, row, notTable, "a card's");
    }

    double s;
    Table t;
    HandSelection selection;
    PictureBox surface;
    TableScale scale;
    TableView view{t, t, TestGeometry(), selection, scale};
    CardRenderer renderer;
    QSize card;
    QImage seen;
};

TEST_P(DrawnAtScale, EveryFaceOfAFullHandIsTheGeneratorsFaceAtItsDevicePlace)
{
    draw(std::string("human=") + kFullHand + " computer=9s top=Qh prev=Kc played=2");
    const auto& places = TestGeometry().HumanSlotPos;
    for (int i = 0; i < kHandCapacity; ++i) {
        const Card& c = t.HumanHand[i];
        const QPoint at = place(places[i]);
        const auto next =
            i + 1 < kHandCapacity ? std::optional<QPoint>(place(places[i + 1])) : std::nullopt;
        EXPECT_TRUE(SamePixels(seen, at, generatedCell(c.Rank, c.Suit, s), shownPart(at, next)))
            << "card " << i << " at " << s;
    }
    const TableGeometry& g = TestGeometry();
    const QPoint top = OnDevice(QPoint(g.TopCardX, g.TopCardY), s);
    const QPoint under = OnDevice(QPoint(g.PrevCardX, g.PrevCardY), s);
    EXPECT_TRUE(SamePixels(seen, top, generatedCell(kQueen, kHearts, s), QRect({0, 0}, card)));
    const int covered = top.x() + card.width() - under.x();
    EXPECT_TRUE(SamePixels(seen, under + QPoint(covered, 0), generatedCell(kKing, kClubs, s),
                           QRect(covered, 0, card.width() - covered, card.height())));
    EXPECT_TRUE(noSeam(place(places[0]), place(places[kHandCapacity - 1])));
    EXPECT_TRUE(noSeam(top, under));
    // The row ends where its last card does.
    const QPoint last = place(places[kHandCapacity - 1]);
    EXPECT_EQ(QColor(seen.pixel(last.x() + card.width(), last.y() + card.height() / 2)),
              kTableColour);
    EXPECT_EQ(QColor(seen.pixel(place(places[0]).x() - 1, last.y() + card.height() / 2)),
              kTableColour);
}

TEST_P(DrawnAtScale, EveryBackIsTheGeneratorsBackAtItsDevicePlace)
{
    draw(std::string("human=8d computer=") + kFullComputerHand);
    const QImage back = artwork::renderTableBack(s);
    const auto& places = TestGeometry().ComputerSlotPos;
    for (int j = 0; j < kHandCapacity; ++j) {
        const QPoint at = place(places[j]);
        const auto next =
            j + 1 < kHandCapacity ? std::optional<QPoint>(place(places[j + 1])) : std::nullopt;
        EXPECT_TRUE(SamePixels(seen, at, back, shownPart(at, next))) << "back " << j << " at " << s;
    }
    EXPECT_TRUE(noSeam(place(places[0]), place(places[kHandCapacity - 1])));
    const QPoint stock = OnDevice(QPoint(TestGeometry().StockX, TestGeometry().StockY), s);
    EXPECT_TRUE(SamePixels(seen, stock, back, back.rect()));
}

TEST_P(DrawnAtScale, TheSelectedCardIsOutlinedOnlyWhileShownAndNothingElseChanges)
{
    const std::string line = std::string("human=") + kFullHand + " computer=Kc top=Kd";
    const QImage plain = draw(line);
    const auto& row = TestGeometry().HumanSlotPos;
    for (int index : {0, 7, 20}) {
        selection = {static_cast<int16_t>(index), false};
        EXPECT_EQ(draw(line), plain) << "an outline while the keys are not in use";
        selection.shown = true;
        const QImage outlined = draw(line);
        // The ring: three table pixels around the strip that shows, its
        // right side inside the strip (outside it for the last card).
        const int right = index == 20 ? row[index].X + kCardWidth + 3 : row[index + 1].X;
        const QRect outer(place({static_cast<int16_t>(row[index].X - 3),
                                 static_cast<int16_t>(row[index].Y - 3), 0}),
                          OnDevice(QPoint(right, row[index].Y + kCardHeight + 3), s) -
                              QPoint(1, 1));
        const QRect inner(OnDevice(QPoint(row[index].X, row[index].Y), s),
                          OnDevice(QPoint(right - 3, row[index].Y + kCardHeight), s) -
                              QPoint(1, 1));
        int ring = 0;
        for (int y = 0; y < plain.height(); ++y)
            for (int x = 0; x < plain.width(); ++x) {
                const bool onRing = outer.contains(x, y) && !inner.contains(x, y);
                ring += onRing;
                const QRgb want = onRing ? kSelectionOutline.rgb() : plain.pixel(x, y);
                if (outlined.pixel(x, y) != want) {
                    ADD_FAILURE() << "card " << index << ": pixel (" << x << "," << y << ")";
                    return;
                }
            }
        EXPECT_GT(ring, 0);
    }
}

INSTANTIATE_TEST_SUITE_P(Scales, DrawnAtScale, ::testing::Values(1.0, 1.5, 2.0, 3.0),
                         [](const auto& info) {
                             std::string name = "s";
                             name += std::to_string(static_cast<int>(info.param * 100));
                             return name;
                         });

} // namespace
} // namespace kolvar::testing
