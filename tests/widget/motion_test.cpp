// The cards that move, on a stepped animation clock: a frame taken in the
// middle of a flight shows the flying card between where it lay and where
// it goes, over a table that already lies as after the move; the last frame
// is, pixel for pixel, the table a window without motion draws; input,
// resizes and new deals in the middle of a flight act on the table as it
// stands; and the desktop's "reduce animations" or KOLVAR_ANIMATION=off
// shows every change in one frame.
#include "drawn.h"
#include "fake_host.h"
#include "fake_portal.h"
#include "game/moves.h"
#include "game/new_game.h"
#include "game/side.h"
#include "moving_tables.h"
#include "pictures.h"
#include "stepped_clock.h"
#include "table_text.h"
#include "view/card_flights.h"
#include "view/motion_timing.h"
#include "window_test.h"

#include <QDir>
#include <QPaintEvent>
#include <QPainter>
#include <cmath>
#include <functional>

namespace kolvar::testing {
namespace {

constexpr int kAllAtRest = 2000; // longer than any motion

QPoint at(const SlotPos& s)
{
    return {s.X, s.Y}; // the windows here draw the table at scale 1
}

// Where along the straight way from `from` to `to` the picture lies whole in
// `frame`, as the share of the way; -1 when it lies nowhere strictly between.
double foundAlong(const QImage& frame, const QImage& picture, QPoint from, QPoint to)
{
    const int steps = std::max(std::abs(to.x() - from.x()), std::abs(to.y() - from.y()));
    for (int k = 1; k < steps; ++k) {
        const QPointF p = QPointF(from) + QPointF(to - from) * (double(k) / steps);
        if (SamePixels(frame, p.toPoint(), picture, picture.rect()))
            return double(k) / steps;
    }
    return -1;
}

// The flights told from two tables alone: a lay flies from its slot to the
// pile, a take and the deal come from the stock card by card, and a table set
// whole shows at once. Landing every flight leaves the table after the move.
TEST(CardFlights, ALayATakeAndTheDealFlyAndATableSetWholeShowsAtOnce)
{
    FakeHost host;
    auto landed = [](Motion m, const Table& after) {
        for (const Flight& f : m.flights)
            Land(f, m.under, after);
        return SameCardsShown(m.under, after);
    };
    Table before = TableFrom(kHumanToLay), after = before;
    LayCard(after, host, Side::Human, 1, SuitRule::LaidCardSuit); // the nine of diamonds
    const Motion lay = MotionBetween(before, after);
    ASSERT_EQ(lay.flights.size(), 1u);
    EXPECT_EQ(lay.flights[0].face, (Face{kNine, kDiamonds}));
    EXPECT_EQ(lay.flights[0].from.slot, 1);
    EXPECT_EQ(lay.flights[0].to.kind, CardPlace::Pile);
    EXPECT_EQ(lay.under.topCard(), before.topCard()); // the pile waits for it
    EXPECT_TRUE(landed(lay, after));

    before = after = TableFrom(kComputerOwesFive);
    TakeCards(after, host, Side::Computer);
    const Motion take = MotionBetween(before, after);
    ASSERT_EQ(take.flights.size(), 5u);
    EXPECT_EQ(take.under.ComputerCount, 2);
    for (int i = 0; i < 5; ++i) {
        EXPECT_EQ(take.flights[i].to.slot, 2 + i);
        EXPECT_EQ(take.flights[i].look, FlightFace::Down);
        EXPECT_EQ(take.flights[i].startMs, i * kTakeStaggerMs);
    }
    EXPECT_TRUE(landed(take, after));

    DealNewGame(after, Options{}, host);
    const Motion deal = MotionBetween(Table{}, after);
    ASSERT_EQ(deal.flights.size(), 10u);
    for (int i = 0; i < 10; ++i)
        EXPECT_EQ(deal.flights[i].to.kind, i % 2 ? CardPlace::ComputerSlot : CardPlace::HumanSlot);
    EXPECT_EQ(deal.flights.back().startMs, 9 * kDealStaggerMs);
    EXPECT_TRUE(landed(deal, after));

    EXPECT_TRUE(MotionBetween(TableFrom(kHumanToLay), after).flights.empty());
    EXPECT_FALSE(SameCardsShown(TableFrom(kHumanToLay), after));
}

struct Motion : WindowTest {
    explicit Motion(const LaunchSettings& settings = {.motion = true}) : WindowTest(settings)
    {
        still.probe().presentMessage = [this](const QString& text, const QString& title) {
            stillMessages << title + ": " + text;
        };
        still.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&still));
    }
    // Does the same to the window that moves and to the one that does not.
    template <typename Act>
    void onBoth(Act act)
    {
        act(w);
        act(still);
    }
    void playBoth(const char* line)
    {
        onBoth([&](Form1& f) { Play(f, line); });
        clock.step(kAllAtRest);
    }
    QImage frame() { return Drawn(w.probe().surface); }
    QImage stillFrame() { return Drawn(still.probe().surface); }
    const TableGeometry& g() { return w.probe().geometry; }
    // The card backs at rest in the computer's row, each read by its left
    // edge (a card flying in from below covers the right of a strip),
    // against the still window's stock.
    int backsInRow(const QImage& seen)
    {
        const QSize strip(10, kCardHeight);
        const QImage back = stillFrame().copy(QRect(QPoint(g().StockX, g().StockY), strip));
        int n = 0;
        while (n < kHandCapacity && seen.copy(QRect(at(g().ComputerSlotPos[n]), strip)) == back)
            ++n;
        return n;
    }

    SteppedClock clock;
    Form1 still{LaunchSettings{.motion = false}};
    QStringList stillMessages;
};

TEST_F(Motion, TheHumansCardFliesToThePileOverTheClosedHandAndLandsAsAStillTableShowsIt)
{
    playBoth(kHumanToLay);
    onBoth([](Form1& f) { ClickCard(f, 1); }); // the nine of diamonds
    clock.step(kFlightMs / 4);                 // over neither the hand nor the pile
    const QImage mid = frame();
    const QPoint pile(g().TopCardX, g().TopCardY);
    EXPECT_GT(foundAlong(mid, cell(kNine, kDiamonds), at(g().HumanSlotPos[1]), pile), 0);
    // The hand lies closed up already; the pile shows its old top card.
    const QRect strip(0, 0, kCardWidth / 2, kCardHeight);
    EXPECT_TRUE(SamePixels(mid, at(g().HumanSlotPos[0]), cell(kEight, kDiamonds), strip));
    EXPECT_TRUE(SamePixels(mid, at(g().HumanSlotPos[1]), cell(kKing, kDiamonds), strip));
    EXPECT_TRUE(SamePixels(mid, at(g().HumanSlotPos[2]), cell(kEight, kSpades),
                           QRect(0, 0, kCardWidth, kCardHeight)));
    EXPECT_TRUE(
        SamePixels(mid, pile, cell(kSeven, kDiamonds), QRect(0, 0, kCardWidth, kCardHeight)));
    clock.step(kFlightMs);
    EXPECT_EQ(frame(), stillFrame());
}

TEST_F(Motion, TheComputersTakeComesFromTheStockCardByCardFaceDown)
{
    playBoth(kComputerOwesFive);
    onBoth([](Form1& f) { ComputerMoves(f); });
    EXPECT_EQ(backsInRow(frame()), 2);
    clock.step(kFlightMs / 2);
    // The first card is on its way to the third slot, a back.
    const QImage back = stillFrame().copy(QRect(QPoint(g().StockX, g().StockY), QSize(70, 100)));
    EXPECT_GT(foundAlong(frame(), back, QPoint(g().StockX, g().StockY), at(g().ComputerSlotPos[2])),
              0);
    EXPECT_EQ(backsInRow(frame()), 2);
    clock.step(kFlightMs / 2 + 10); // the first has landed, the second not yet
    EXPECT_EQ(backsInRow(frame()), 3);
    clock.step(4 * kTakeStaggerMs);
    EXPECT_EQ(backsInRow(stillFrame()), 7);
    EXPECT_EQ(frame(), stillFrame());
}

TEST_F(Motion, AKeyDuringAFlightLaysAsAtRestAndTheFlightsEndAtTheirPlaces)
{
    playBoth(kComputerOwesFive);
    onBoth([](Form1& f) { ComputerMoves(f); });
    clock.step(kFlightMs / 2);
    onBoth([](Form1& f) { QTest::keyClick(&f, Qt::Key_Return); }); // lays the eight
    EXPECT_EQ(w.probe().table.HumanCount, 2);
    still.probe().table.LastMoveTick = w.probe().table.LastMoveTick; // stamped a moment apart
    EXPECT_EQ(FormatTable(w.probe().table), FormatTable(still.probe().table));
    EXPECT_EQ(backsInRow(frame()), 7); // the take at rest at once
    clock.step(kAllAtRest);
    EXPECT_EQ(frame(), stillFrame());
}

TEST_F(Motion, AClickDuringTheDealBringsTheReminderAsAtRest)
{
    w.JocNou_Click();
    clock.step(kDealStaggerMs * 3);
    clickCard(0);
    EXPECT_EQ(messages.join('|').toStdString(), "Kolvar: Selectati o culoare");
}

TEST_F(Motion, TheDealIsAtRestWithin800MsAndAResizeOrANewDealMidFlightLeaveAWholeTable)
{
    auto mirrored = [this] {
        still.probe().table = w.probe().table;
        still.RedrawTable();
        return stillFrame();
    };
    w.JocNou_Click();
    clock.step(800);
    EXPECT_EQ(frame(), mirrored());

    playBoth(kComputerOwesFive);
    ComputerMoves(w);
    clock.step(kFlightMs / 2);
    onBoth([](Form1& f) { f.resize(900, 650); });
    // Both at 900 pixels, with the art drawn afresh for that size.
    for (Form1* f : {&w, &still})
        ASSERT_TRUE(QTest::qWaitFor(
            [f] { return f->probe().surface.width() == 900 && f->probe().renderer.artIsCrisp(); }));
    EXPECT_EQ(frame(), mirrored());

    w.JocNou_Click();
    clock.step(kDealStaggerMs);
    w.JocNou_Click();
    clock.step(800);
    EXPECT_EQ(frame(), mirrored());
}

// The regions of the table that its frames repaint, its suit buttons' among
// them; and the table as the screen composes it from those repaints alone.
struct Repaints : QObject {
    explicit Repaints(QWidget& table) : table(table), composed(Drawn(table))
    {
        table.installEventFilter(this);
        for (QWidget* child : table.findChildren<QWidget*>())
            child->installEventFilter(this);
    }
    bool eventFilter(QObject* watched, QEvent* event) override
    {
        if (event->type() == QEvent::Paint && !grabbing) {
            const QPoint at = static_cast<QWidget*>(watched)->mapTo(&table, QPoint());
            regions.push_back(static_cast<QPaintEvent*>(event)->region().translated(at));
        }
        return false;
    }
    // The table painted whole now; the composed frame takes from it only
    // what was repainted since the last call.
    QImage whole()
    {
        grabbing = true;
        const QImage now = Drawn(table);
        grabbing = false;
        QPainter p(&composed);
        for (const QRegion& r : regions) {
            p.setClipRegion(r);
            p.drawImage(0, 0, now);
        }
        regions.clear();
        return now;
    }
    QWidget& table;
    QImage composed;
    bool grabbing = false;
    std::vector<QRegion> regions;
};

// Each frame of the deal, a lay of either side and a take of five, as the
// screen shows it after only the repaints that frame asked for, is the frame
// painted whole: nothing of a flying or turning card is left behind.
TEST_F(Motion, EveryFrameComposedFromItsRepaintsIsTheFramePaintedWhole)
{
    auto everyFrame = [this](const char* move, const std::function<void()>& make) {
        Repaints screen(w.probe().surface);
        make();
        for (int t = 16; t <= kAllAtRest; t += 16) {
            clock.step(16);
            const QImage whole = screen.whole();
            ASSERT_EQ(screen.composed, whole) << move << ", " << t << " ms after";
        }
    };
    everyFrame("the deal", [this] { w.JocNou_Click(); });
    play(kHumanToLay);
    everyFrame("the human's lay", [this] { clickCard(1); });
    everyFrame("the computer's lay", [this] { computerMoves(); });
    ASSERT_EQ(w.probe().table.ComputerCount, 2);
    play(kComputerOwesFive);
    everyFrame("the computer's take of five", [this] { computerMoves(); });
    ASSERT_EQ(w.probe().table.ComputerCount, 7);
}

TEST_F(Motion, AFrameOfMotionRepaintsOnlyWhatTheFlyingCardLeavesAndEnters)
{
    playBoth(kHumanToLay);
    clickCard(1);
    QCoreApplication::processEvents(); // the move's own full repaint
    Repaints repaints(w.probe().surface);
    for (int t = 0; t < kFlightMs; t += 16)
        clock.step(16);
    ASSERT_GT(repaints.regions.size(), 5u);
    const QRect twoCards(0, 0, 2 * kCardWidth + 40, 2 * kCardHeight + 40);
    for (const QRegion& r : repaints.regions) {
        int area = 0;
        for (const QRect& part : r)
            area += part.width() * part.height();
        EXPECT_LE(area, twoCards.width() * twoCards.height()) << r.boundingRect().width();
    }
}

// With motion off, whoever turned it off, a move shows whole in the frame
// that follows it.
void expectMovesAtOnce(Motion& m)
{
    m.playBoth(kComputerOwesFive);
    m.onBoth([](Form1& f) { Motion::ComputerMoves(f); });
    QCoreApplication::processEvents();
    EXPECT_EQ(m.frame(), m.stillFrame());
}

struct AnimationOff : Motion {
    static LaunchSettings off()
    {
        qputenv("KOLVAR_ANIMATION", "off");
        std::string said;
        return ReadLaunchSettings(said);
    }
    AnimationOff() : Motion(off()) {}
    ~AnimationOff() override { qunsetenv("KOLVAR_ANIMATION"); }
};

TEST_F(AnimationOff, KolvarAnimationOffShowsAMoveInOneFrame)
{
    EXPECT_FALSE(w.probe().showsMotion);
    expectMovesAtOnce(*this);
}

TEST(LaunchSettings, KolvarAnimationTakesOnOrOffAndSaysAnythingElseInOneLine)
{
    auto read = [](const char* value, std::string& said) {
        qputenv("KOLVAR_ANIMATION", value);
        return ReadLaunchSettings(said).motion;
    };
    std::string said;
    EXPECT_EQ(read("on", said), true);
    EXPECT_EQ(read("off", said), false);
    EXPECT_EQ(read("", said), std::nullopt);
    EXPECT_EQ(said, "");
    EXPECT_EQ(read("slow", said), std::nullopt);
    EXPECT_EQ(said, "kolvar: KOLVAR_ANIMATION=slow is neither on nor off; the desktop's setting "
                    "is followed\n");
    qunsetenv("KOLVAR_ANIMATION");
}

// A desktop setting that asks for no motion, as the portal holds it.
struct DesktopSetting {
    const char* name;
    const char* group;
    const char* key;
    QVariant none, some;
};

std::ostream& operator<<(std::ostream& out, const DesktopSetting& s)
{
    return out << s.name;
}

// The portal is up, holding the setting against motion, before the window asks.
struct PortalUp {
    explicit PortalUp(const DesktopSetting& s) { portal.set(s.group, s.key, s.none); }
    FakePortal portal;
};

struct DesktopMotion : ::testing::WithParamInterface<DesktopSetting>, PortalUp, Motion {
    DesktopMotion() : PortalUp(GetParam()), Motion(LaunchSettings{}) {}
};

TEST_P(DesktopMotion, ASettingAgainstMotionShowsAMoveInOneFrame)
{
    ASSERT_TRUE(portal.ok()) << "no bus for the fake portal";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.probe().showsMotion; }));
    expectMovesAtOnce(*this);
}

TEST_P(DesktopMotion, ASettingChangedMidFlightEndsTheFlightAtOnce)
{
    ASSERT_TRUE(portal.ok()) << "no bus for the fake portal";
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.probe().showsMotion; }));
    const DesktopSetting& s = GetParam();
    portal.set(s.group, s.key, s.some);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.probe().showsMotion; }));
    playBoth(kComputerOwesFive);
    onBoth([](Form1& f) { ComputerMoves(f); });
    clock.step(kFlightMs / 2);
    ASSERT_NE(frame(), stillFrame()); // in flight
    portal.set(s.group, s.key, s.none);
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.probe().showsMotion; }));
    EXPECT_EQ(frame(), stillFrame());
}

INSTANTIATE_TEST_SUITE_P(
    Portal, DesktopMotion,
    ::testing::Values(DesktopSetting{"ReducedMotion", "org.freedesktop.appearance",
                                     "reduced-motion", QVariant::fromValue(1u),
                                     QVariant::fromValue(0u)},
                      DesktopSetting{"GnomeAnimations", "org.gnome.desktop.interface",
                                     "enable-animations", false, true},
                      DesktopSetting{"KdeDurationFactor", "org.kde.kdeglobals.KDE",
                                     "AnimationDurationFactor", 0.0, 1.0}),
    [](const auto& info) { return std::string(info.param.name); });

// Strips of frames to look at, on a 1920 x 1080 screen: the computer's take
// under a jack chain and the human's lay, each frame a quarter size with the
// moment it shows, written to build/screenshots/motion-*.png.
struct MotionStrip : Motion {
    void strip(const QString& name, const std::vector<int>& moments)
    {
        constexpr int kColumns = 4;
        const QSize shot = frame().size() / 4;
        const int rows = static_cast<int>(moments.size() + kColumns - 1) / kColumns;
        QImage strip(shot.width() * kColumns, shot.height() * rows, QImage::Format_RGB32);
        strip.fill(Qt::black);
        QPainter p(&strip);
        p.setRenderHint(QPainter::SmoothPixmapTransform);
        int now = 0;
        QImage last;
        for (size_t i = 0; i < moments.size(); ++i) {
            clock.step(moments[i] - now);
            now = moments[i];
            const QImage seen = frame();
            EXPECT_NE(seen, last) << "nothing moved by " << now << " ms";
            last = seen;
            const QRect cell(
                QPoint(int(i) % kColumns * shot.width(), int(i) / kColumns * shot.height()), shot);
            p.drawImage(cell.adjusted(1, 1, -1, -1), seen);
            p.drawText(cell.adjusted(8, 4, 0, 0), Qt::AlignLeft | Qt::AlignTop,
                       QString("%1 ms").arg(now));
        }
        QDir().mkpath(KOLVAR_SCREENSHOTS);
        EXPECT_TRUE(strip.save(QString(KOLVAR_SCREENSHOTS "/motion-%1.png").arg(name)));
        clock.step(kAllAtRest);
        EXPECT_EQ(frame(), stillFrame());
    }
};

TEST_F(MotionStrip, TheComputersTakeUnderAJackChainTheHumansLayAndTheComputersAnswer)
{
    playBoth(kComputerOwesFive);
    onBoth([](Form1& f) { ComputerMoves(f); });
    strip("take", {0, 40, 100, 160, 240, 320, 420, 500});
    playBoth(kHumanToLay);
    onBoth([](Form1& f) { ClickCard(f, 1); });
    strip("lay", {0, 20, 40, 60, 90, 120, 160, 190});
    onBoth([](Form1& f) { ComputerMoves(f); }); // its answer, turned up at the pile
    strip("computer-lay", {0, 30, 60, 100, 130, 150, 170, 190});
}

} // namespace
} // namespace kolvar::testing
