// The main window at its zoom and pixel density. These tests run once on
// each screen CMakeLists.txt gives them (the default small screen at zoom 1,
// 1920 x 1080 at zoom 1.5, the same at Qt scale 2, and 3840 x 2160 at zoom 3),
// so the drawing scale s = zoom x ratio is 1, 1.5, 2 and 3: the table shows
// the generator's art at s along the bottom, the suit buttons stand z times
// from the corner, and a click lays the card whose strip it falls on, to the
// strip's first and last device pixel.
#include "drawn.h"
#include "pictures.h"

#include "artwork/suit_buttons.h"
#include "game/layout.h"
#include "game/notation.h"
#include "game/suit_buttons.h"
#include "platform/picture_box.h"
#include "view/form1.h"

#include <QMouseEvent>
#include <QTest>

namespace kolvar::testing {
namespace {

struct Zoomed : ::testing::Test {
    Zoomed()
    {
        w.setMessagePresenter([](const QString&, const QString&) {});
        w.options().OptSound = false;
        w.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&w));
    }
    double zoom() const { return w.tableScale().zoom; }
    double ratio() const { return w.tableScale().ratio; }
    double s() const { return w.tableScale().s(); }
    QSize card() const { return artwork::cardSize(s()); }
    QSize table()
    {
        return {TablePixels(w.surface().width(), zoom()),
                TablePixels(w.surface().height(), zoom())};
    }
    // The game's fields from a line; the window's layout stays.
    void play(std::string_view line)
    {
        std::string error;
        ASSERT_TRUE(ParseTable(line, w.table(), error)) << error;
        ShowCurrentSuit(w.table(), w);
        w.RedrawTable();
    }
    QImage shown() { return Drawn(w.surface()); }
    QPoint place(const SlotPos& p) const { return OnDevice(QPoint(p.X, p.Y), s()); }
    // A left click on the device pixel (x, y), as the window system reports
    // it: in the window's logical pixels.
    void click(int x, int y)
    {
        const QPointF at(x / ratio(), y / ratio());
        const QPointF global = w.surface().mapToGlobal(at);
        QMouseEvent press(QEvent::MouseButtonPress, at, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(&w.surface(), &press);
        QMouseEvent release(QEvent::MouseButtonRelease, at, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(&w.surface(), &release);
    }

    Form1 w;
};

TEST_F(Zoomed, TheDealtTableShowsTheGeneratorsArtAtTheWindowsScaleAlongTheBottom)
{
    w.JocNou_Click();
    const QImage seen = shown();
    ASSERT_EQ(seen.size(), w.surface().size() * ratio());
    const Table& t = w.table();
    const auto& places = t.Geometry.HumanSlotPos;
    for (int i = 0; i < t.HumanCount; ++i) {
        const QPoint at = place(places[i]);
        const int width = i + 1 < t.HumanCount ? place(places[i + 1]).x() - at.x() : card().width();
        const Card& c = t.HumanHand[i];
        EXPECT_TRUE(SamePixels(seen, at, generatedCell(c.Rank, c.Suit, s()),
                               QRect(0, 0, width, card().height())))
            << "card " << i << " at s = " << s();
    }
    const QImage back = artwork::renderTableBack(s());
    EXPECT_TRUE(SamePixels(seen, OnDevice(QPoint(t.Geometry.StockX, t.Geometry.StockY), s()), back,
                           back.rect()));
    const QPoint last = place(t.Geometry.ComputerSlotPos[t.ComputerCount - 1]);
    EXPECT_TRUE(SamePixels(seen, last, back, back.rect()));
    // The hand along the bottom: whole, and 50 table pixels above the edge.
    const int below = seen.height() - (place(places[0]).y() + card().height());
    EXPECT_GE(below, 50 * s() - 1);
    EXPECT_LE(below, 51 * s() + 1);
}

TEST_F(Zoomed, TheSuitButtonsStandZTimesFromTheCornerWithTheirFacesAtTheWindowsScale)
{
    const QSize t = table();
    const SuitButtonPlacement place = PlaceSuitButtons(t.width(), t.height(), 39, 38);
    for (int suit = 0; suit < kSuitCount; ++suit) {
        const QPoint logical(std::floor(place.left * zoom() + 0.5),
                             std::floor(place.top[suit] * zoom() + 0.5));
        EXPECT_EQ(w.suitButton(suit).pos(), logical) << suit;
        w.SetSuitLook(suit, kRaised);
        const QImage seen = shown();
        const QPoint corner = (QPointF(logical) * ratio()).toPoint();
        // The raised bevel's light ring, a table pixel at the zoom as wide as
        // the window's whole pixels allow.
        const auto light = [](QRgb p) { return qGray(p) > 240; };
        int ring = 0;
        while (light(seen.pixel(corner + QPoint(20, ring))))
            ++ring;
        EXPECT_GE(ring, std::max(1.0, std::floor(zoom())) * ratio()) << suit;
        EXPECT_LE(ring, std::ceil(zoom()) * ratio()) << suit;
        // The face inside the frame is the generator's at the window's scale.
        const QImage face = artwork::renderSuitButton(static_cast<Suit>(suit), s());
        const int frame = w.suitButton(suit).borderWidth() * ratio();
        EXPECT_TRUE(SamePixels(seen, corner + QPoint(frame, frame), face, face.rect())) << suit;
        w.SetSuitLook(suit, kFlat);
    }
}

TEST_F(Zoomed, AClickLaysTheCardWhoseStripItIsOnToTheStripsFirstAndLastDevicePixel)
{
    play("human=8d,9d,Td,Qd,Kd computer=7s,8s top=7d played=1 suit=d due=1/0 turn=human pick=no "
         "game=on");
    const Table start = w.table();
    const QImage seen = shown();
    // Which card of the hand a click on the device pixel (x, y) lays; -1: none.
    const auto laid = [&](int x, int y) {
        w.table() = start;
        ShowCurrentSuit(start, w);
        click(x, y);
        if (w.table().HumanCount == start.HumanCount)
            return -1;
        for (int i = 0; i < start.HumanCount; ++i)
            if (start.HumanHand[i].face() == w.table().topCard())
                return i;
        return -2;
    };
    // The first device pixel that lies beyond a card's edge, the table pixel
    // at its corner, which the rules give no card.
    const auto beyondEdge = [&](int device, int edge) {
        while (std::floor(static_cast<float>(device / ratio() / zoom())) <= edge)
            ++device;
        return device;
    };
    const auto& places = start.Geometry.HumanSlotPos;
    for (int i : {0, 2, 4}) {
        const QPoint at = place(places[i]);
        const int last = (i < 4 ? place(places[i + 1]).x() : at.x() + card().width()) - 1;
        // The strip from `at` to `last` shows this card.
        const Card& c = start.HumanHand[i];
        ASSERT_TRUE(SamePixels(seen, at, generatedCell(c.Rank, c.Suit, s()),
                               QRect(0, 0, last - at.x() + 1, card().height())));
        const int middle = at.y() + card().height() / 2;
        const int first = beyondEdge(at.x(), places[i].X);
        EXPECT_EQ(laid(first - 1, middle), -1) << "on the edge of card " << i;
        EXPECT_EQ(laid(first, middle), i) << "first pixel of card " << i;
        EXPECT_EQ(laid((first + last) / 2, middle), i) << "card " << i;
        EXPECT_EQ(laid(last, middle), i) << "last pixel of card " << i;
        EXPECT_NE(laid(last + 1, middle), i) << "past card " << i;

        const int x = (first + last) / 2;
        const int top = beyondEdge(at.y(), places[i].Y);
        const int bottom = at.y() + card().height() - 1;
        EXPECT_EQ(laid(x, top - 1), -1) << "on the top edge of card " << i;
        EXPECT_EQ(laid(x, top), i) << "top pixel of card " << i;
        EXPECT_EQ(laid(x, bottom), i) << "bottom pixel of card " << i;
        EXPECT_EQ(laid(x, bottom + 1), -1) << "below card " << i;
    }
}

} // namespace
} // namespace kolvar::testing
