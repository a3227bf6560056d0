// The table follows its window. These tests run once on each device pixel
// ratio CMakeLists.txt gives them (1, and Qt scales 1.5 and 2): the window
// is resized in the middle of a game to client areas of many sizes and
// zooms, and each time the game goes on untouched, every card and suit
// button lies wholly inside the client area, every card is the generator's
// art at the new drawing scale, and a click on the first and last device
// pixel of every strip of the hand and of the stock, sent as the window
// system sends it, does what a click on the table pixel drawn there does.
#include "drawn.h"
#include "pictures.h"

#include "artwork/suit_faces.h"
#include "game/notation.h"
#include "game/suit_buttons.h"
#include "ui/form3.h"
#include "view/form1.h"
#include "window_test.h"

#include <QMenuBar>
#include <QMouseEvent>
#include <QTest>

namespace kolvar::testing {
namespace {

// Twelve cards that may all be laid on the nine of diamonds.
constexpr const char* kMidGame =
    "human=8d,9d,Td,Qd,Kd,Ad,Jd,7d,7s,7h,7c,9s computer=Kh,8c,9c,Tc,Qc,Kc top=9d prev=7s "
    "suit=d raised=d played=6 due=1/0 turn=human pick=no tick=4242 game=on";

// The client area at which the table takes zoom z: the designed table
// 1000 x 650 z times, the height rounded up so that the width decides.
QSize ClientAtZoom(double z)
{
    return {static_cast<int>(std::lround(1000 * z)), static_cast<int>(std::ceil(650 * z))};
}

struct WindowLayout : WindowTest {
    WindowLayout()
    {
        w.probe().options.OptSound = false;
        play(kMidGame);
    }
    double ratio() const { return w.devicePixelRatioF(); }
    double s() { return w.probe().scale.s(); }
    QSize card() { return artwork::cardSize(s()); }
    QPoint place(int x, int y) { return OnDevice(QPoint(x, y), s()); }
    // Gives the table widget a client area of `size` logical pixels and waits
    // until the table is laid out for it and drawn with crisp art.
    bool setClient(QSize size)
    {
        w.resize(size + QSize(0, w.menuBar()->height()));
        return QTest::qWaitFor([&] {
            return w.probe().surface.size() == size &&
                   w.probe().surface.image().size() == size * ratio() &&
                   w.probe().renderer.artIsCrisp();
        });
    }

    // The window as the screen shows it, and where the table's image starts
    // in it: found by matching the stock's pixels, not computed.
    QPoint tableOrigin()
    {
        const QImage window = Drawn(w);
        const QImage& table = w.probe().surface.image();
        const QRect stock(place(w.probe().geometry.StockX, w.probe().geometry.StockY), card());
        const int menu = static_cast<int>(w.probe().surface.y() * ratio());
        for (int dy = -1; dy <= 1; ++dy)
            for (int dx = -1; dx <= 1; ++dx) {
                const QPoint origin(dx, menu + dy);
                if (SamePixels(window, stock.topLeft() + origin, table, stock))
                    return origin;
            }
        ADD_FAILURE() << "the table's image is not where the window shows it";
        return {};
    }
    // A left click on the window's device pixel `at`, as the window system
    // delivers it to the window: in logical pixels, the device pixel divided
    // by the ratio, which Qt then hands on to the widget under it.
    void clickDevice(QPoint at)
    {
        QWindow* window = w.windowHandle();
        const QPointF local = QPointF(at) / ratio();
        const QPointF global = window->mapToGlobal(local);
        QMouseEvent press(QEvent::MouseButtonPress, local, global, Qt::LeftButton, Qt::LeftButton,
                          Qt::NoModifier);
        QCoreApplication::sendEvent(window, &press);
        QMouseEvent release(QEvent::MouseButtonRelease, local, global, Qt::LeftButton, Qt::NoButton,
                            Qt::NoModifier);
        QCoreApplication::sendEvent(window, &release);
    }

    // The table pixel that a device pixel of the table shows: the one whose
    // drawn span, from its own device place to the next one's, holds it.
    int tablePixel(int device)
    {
        int p = static_cast<int>(device / s()) - 2;
        while (OnDevice(p + 1, s()) <= device)
            ++p;
        return p;
    }
};

TEST_F(WindowLayout, AGameInProgressIsUntouchedAndWholeAtEverySize)
{
    w.ReguliDeJoc_Click();
    const std::string line = FormatTable(w.probe().table);
    const bool timing = w.probe().timer.isActive();
    const QSize sizes[] = {{1920, 1050}, {1100, 720}, {683, 740},  {520, 360},
                           {3840, 2130}, {1100, 720}, {1920, 1050}};
    for (const QSize size : sizes) {
        ASSERT_TRUE(setClient(size)) << size.width() << " x " << size.height();
        const std::string where = std::to_string(size.width()) + " x " +
                                  std::to_string(size.height()) + " at s " + std::to_string(s());
        EXPECT_EQ(FormatTable(w.probe().table), line) << where;
        EXPECT_EQ(w.probe().timer.isActive(), timing) << where;
        EXPECT_TRUE(w.probe().rulesWindow && w.probe().rulesWindow->isVisible()) << where;

        const QImage seen = Drawn(w.probe().surface);
        const TableGeometry& g = w.probe().geometry;
        const Table& t = w.probe().table;
        for (int i = 0; i < t.HumanCount; ++i) {
            const TableRect strip = HandStrip(g, t.HumanCount, i);
            const QPoint at = place(strip.x, strip.y);
            const int width = place(strip.x + strip.width, 0).x() - at.x();
            const QRect shown(0, 0, i + 1 < t.HumanCount ? width : card().width(), card().height());
            ASSERT_TRUE(seen.rect().contains(QRect(at, shown.size()))) << where << " card " << i;
            EXPECT_TRUE(SamePixels(
                seen, at, generatedCell(t.HumanHand[i].Rank, t.HumanHand[i].Suit, s()), shown))
                << where << " card " << i;
        }
        const QImage back = artwork::renderTableBack(s());
        const QPoint lastBack =
            place(g.ComputerSlotPos[t.ComputerCount - 1].X, g.ComputerSlotPos[0].Y);
        for (const QPoint at : {place(g.StockX, g.StockY), lastBack}) {
            ASSERT_TRUE(seen.rect().contains(QRect(at, back.size()))) << where;
            EXPECT_TRUE(SamePixels(seen, at, back, back.rect())) << where;
        }
        const QPoint top = place(g.TopCardX, g.TopCardY);
        EXPECT_TRUE(
            SamePixels(seen, top, generatedCell(kNine, kDiamonds, s()), QRect(QPoint(), card())))
            << where;
        for (int suit = 0; suit < kSuitCount; ++suit)
            EXPECT_TRUE(w.probe().surface.rect().contains(w.probe().suitButton(suit).geometry()))
                << where << " suit button " << suit;
    }
}

TEST_F(WindowLayout, AClickOnAnyDevicePixelOfAStripDoesWhatAClickOnItsTablePixelDoes)
{
    const Table start = w.probe().table;
    // What a click does: the table it leaves behind, but for the tick count
    // that a move stamps.
    const auto after = [&](auto click) {
        w.probe().table = start;
        click();
        Table t = w.probe().table;
        t.LastMoveTick = 0;
        return FormatTable(t);
    };
    for (const double z : {0.5, 0.68, 1.0, 1.25, 1.5, 1.75, 2.37, 3.0}) {
        ASSERT_TRUE(setClient(ClientAtZoom(z))) << z;
        ASSERT_DOUBLE_EQ(w.probe().scale.zoom, z);
        after([&] { w.RedrawTable(); }); // the start drawn
        const QPoint origin = tableOrigin();
        const QImage seen = Drawn(w.probe().surface);
        const TableGeometry& g = w.probe().geometry;
        const auto check = [&](int x, int y, const std::string& what) {
            const std::string byDevice = after([&] { clickDevice(origin + QPoint(x, y)); });
            const std::string byTable =
                after([&] { w.Form_MouseDown(Qt::LeftButton, {}, tablePixel(x), tablePixel(y)); });
            EXPECT_EQ(byDevice, byTable) << what << " at z " << z << ", ratio " << ratio();
            return byDevice;
        };
        for (int i = 0; i < start.HumanCount; ++i) {
            const TableRect strip = HandStrip(g, start.HumanCount, i);
            const QPoint at = place(strip.x, strip.y);
            const int last = place(strip.x + strip.width, 0).x() - 1;
            const int middle = at.y() + card().height() / 2;
            // The strip from `at` to `last`, every pixel a click finds the
            // card by, is drawn as this card: the card covers its span.
            ASSERT_LE(last, w.probe().scale.cardRect(strip.x, strip.y).right()) << "card " << i;
            const Card& c = start.HumanHand[i];
            ASSERT_TRUE(SamePixels(seen, at, generatedCell(c.Rank, c.Suit, s()),
                                   QRect(0, 0, last - at.x() + 1, card().height())))
                << "card " << i << " at z " << z;
            const std::string name = "card " + std::to_string(i);
            check(at.x(), middle, name + " first column");
            const std::string laid = check(last, middle, name + " last column");
            EXPECT_NE(laid, after([] {})) << name << " is not laid from its last column";
            // The first device pixel inside the card's edge.
            EXPECT_EQ(check(place(strip.x + 1, 0).x(), middle, name + " inside"), laid);
            check(last, at.y(), name + " top row");
            check(last, at.y() + card().height() - 1, name + " bottom row");
        }
        // Right of the last card, where the table shows, a click finds nothing.
        const TableRect lastStrip = HandStrip(g, start.HumanCount, start.HumanCount - 1);
        const QRect lastCard = w.probe().scale.cardRect(lastStrip.x, lastStrip.y);
        EXPECT_EQ(check(lastCard.right() + 1, lastCard.center().y(), "right of the last card"),
                  after([] {}))
            << "at z " << z;
        const QPoint stock = place(g.StockX, g.StockY);
        const QPoint end = stock + QPoint(card().width() - 1, card().height() - 1);
        EXPECT_NE(check(end.x() - 1, end.y() - 1, "the stock"), after([] {}))
            << "the stock takes nothing";
        for (const QPoint p : {stock, end, QPoint(stock.x(), end.y()), QPoint(end.x(), stock.y())})
            check(p.x(), p.y(), "the stock's corner");
    }
}

TEST_F(WindowLayout, TheSuitButtonsStandZTimesFromTheCornerWithTheirFacesAtTheScale)
{
    for (const double z : {0.5, 1.0, 1.5, 2.37}) {
        ASSERT_TRUE(setClient(ClientAtZoom(z))) << z;
        const QSize table = FitTable(w.probe().surface.size(), ratio(), std::nullopt).table;
        const SuitButtonPlacement place = PlaceSuitButtons(table.width(), table.height(), 39, 38);
        for (int suit = 0; suit < kSuitCount; ++suit) {
            const QPoint logical(std::floor(place.left * z + 0.5),
                                 std::floor(place.top[suit] * z + 0.5));
            EXPECT_EQ(w.probe().suitButton(suit).pos(), logical) << suit << " at z " << z;
            Raise(w, suit);
            const QImage seen = Drawn(w.probe().surface);
            const QPoint corner = (QPointF(logical) * ratio()).toPoint();
            // The raised bevel's light ring, a table pixel at the zoom as
            // wide as the window's whole pixels allow.
            const auto light = [](QRgb p) { return qGray(p) > 240; };
            int ring = 0;
            const int across = static_cast<int>(w.probe().suitButton(suit).width() * ratio() / 2);
            while (light(seen.pixel(corner + QPoint(across, ring))))
                ++ring;
            EXPECT_GE(ring, std::floor(std::max(1.0, std::floor(z)) * ratio()))
                << suit << " at z " << z;
            EXPECT_LE(ring, std::ceil(std::max(1.0, std::ceil(z)) * ratio()))
                << suit << " at z " << z;
            // The face inside the frame is the generator's at the scale.
            const QImage face = artwork::renderSuitFace(static_cast<Suit>(suit), s());
            const int frame = w.probe().suitButton(suit).borderWidth() * ratio();
            EXPECT_TRUE(SamePixels(seen, corner + QPoint(frame, frame), face, face.rect()))
                << suit << " at z " << z;
            Raise(w, -1);
        }
    }
}

// The window moves to a screen of another pixel density: the table is drawn
// again with art made for the new drawing scale.
using ScreenChange = WindowLayout;

TEST_F(ScreenChange, AnotherPixelDensityRedrawsTheArtAtTheNewScale)
{
    QScreen* other = nullptr;
    for (QScreen* screen : QGuiApplication::screens())
        if (screen->devicePixelRatio() != ratio())
            other = screen;
    if (!other)
        GTEST_SKIP() << "needs the two screens of screens/two-densities.json";
    const double before = s();
    w.windowHandle()->setScreen(other);
    ASSERT_TRUE(QTest::qWaitFor([&] {
        return s() != before && w.probe().surface.image().devicePixelRatio() == ratio() &&
               w.probe().renderer.artIsCrisp();
    }));
    EXPECT_DOUBLE_EQ(s(), w.probe().scale.zoom * other->devicePixelRatio());
    const QImage seen = Drawn(w.probe().surface);
    const TableGeometry& g = w.probe().geometry;
    const Card& c = w.probe().table.HumanHand[11];
    EXPECT_TRUE(SamePixels(seen, place(g.HumanSlotPos[11].X, g.HumanSlotPos[11].Y),
                           generatedCell(c.Rank, c.Suit, s()), QRect(QPoint(), card())));
}

} // namespace
} // namespace kolvar::testing
