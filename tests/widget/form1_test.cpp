// The main window as the player first sees it: its caption, icon, size, menu
// bar, the orange table and the suit buttons, read from what is drawn; and
// the suit buttons' two looks, told apart by their pixels.
#include "drawn.h"
#include "game/notation.h"
#include "pictures.h"
#include "platform/picture_box.h"
#include "view/form1.h"
#include "window_test.h"

#include <QAction>
#include <QElapsedTimer>
#include <QMenu>
#include <QMenuBar>
#include <QScreen>
#include <QTest>
#include <csignal>
#include <cstdlib>
#include <gtest/gtest.h>

namespace kolvar::testing {
namespace {

TEST(Form1Window, OpensAsTheScreenSizedTable)
{
    Form1 w({.motion = false});
    EXPECT_EQ(w.windowTitle(), "Have fun!!");
    EXPECT_EQ(w.size(), w.screen()->size());
    EXPECT_EQ(w.probe().surface.image().size(), w.probe().surface.size());
    // The window manager shows the game's own icon, given once the window
    // is up.
    w.show();
    ASSERT_TRUE(QTest::qWaitFor([&] { return !w.windowIcon().isNull(); }));
    for (int size : {16, 32, 64}) {
        // Through a pixmap as the icon goes, whose premultiplied alpha rounds
        // its soft edge by the processor's own instructions.
        const QImage icon = QPixmap(QString(":/icons/kolvar-%1.png").arg(size))
                                .toImage()
                                .convertToFormat(QImage::Format_RGB32);
        ASSERT_EQ(icon.size(), QSize(size, size));
        const QImage shown =
            w.windowIcon().pixmap(size, size).toImage().convertToFormat(QImage::Format_RGB32);
        EXPECT_TRUE(SamePixels(shown, {0, 0}, icon, icon.rect())) << size;
    }
    EXPECT_EQ(w.probe().timer.interval(), 50);
    EXPECT_FALSE(w.probe().timer.isActive());
    EXPECT_TRUE(w.probe().options.OptHumanFirst);
    EXPECT_TRUE(w.probe().options.OptSound);
}

TEST(Form1Window, MenuBarHasTheGamesItemsInOrderWithTheirKeys)
{
    Form1 w({.motion = false});
    const QList<QAction*> menus = w.menuBar()->actions();
    ASSERT_EQ(menus.size(), 2);
    EXPECT_EQ(menus[0]->text(), "File");
    EXPECT_EQ(menus[1]->text(), "Help");
    auto items = [](QAction* menu) {
        QStringList out;
        for (QAction* a : menu->menu()->actions())
            out << a->text() + "|" + a->shortcut().toString() + "|" +
                       (a->isEnabled() ? "on" : "off");
        return out;
    };
    EXPECT_EQ(items(menus[0]), (QStringList{"Joc Nou|F2|on", "Optiuni|F3|on", "Exit|F4|on"}));
    EXPECT_EQ(items(menus[1]), (QStringList{"Despre||on", "Reguli de joc|F1|on"}));
}

const char* const kSuitIcons[kSuitCount] = {":/suit_diamonds.png", ":/suit_spades.png",
                                            ":/suit_hearts.png", ":/suit_clubs.png"};
constexpr QSize kButtonSize(39, 38); // a 35 x 34 icon in a two-pixel frame

// The look a suit button shows, read from its pixels: 1 raised (light along
// the top and left, dark along the bottom and right), 0 flat (one outline
// colour all round, neither light nor dark), -1 neither.
int lookShown(const QImage& b)
{
    const int w = b.width(), h = b.height();
    const auto light = [](QRgb p) { return qGray(p) > 200; };
    const auto dark = [](QRgb p) { return qGray(p) < 80; };
    const QRegion lit = QRegion(0, 0, w - 1, 1) + QRegion(0, 0, 1, h - 1);
    const QRegion shaded = QRegion(1, h - 1, w - 1, 1) + QRegion(w - 1, 1, 1, h - 1);
    if (EveryPixel(b, lit, light, "") && EveryPixel(b, shaded, dark, ""))
        return 1;
    const QRgb outline = b.pixel(0, 0);
    if (!light(outline) && !dark(outline) && EveryPixel(b, Edges(b.rect()), Is(outline), ""))
        return 0;
    return -1;
}

// How far a picture's colours lie from the table colour, summed.
long awayFromTheTable(const QImage& picture)
{
    long sum = 0;
    for (int y = 0; y < picture.height(); ++y)
        for (int x = 0; x < picture.width(); ++x) {
            const QRgb p = picture.pixel(x, y);
            sum += std::abs(qRed(p) - kTableColour.red()) +
                   std::abs(qGreen(p) - kTableColour.green()) +
                   std::abs(qBlue(p) - kTableColour.blue());
        }
    return sum;
}

// Where suit button `s` stands on a table of the given size.
QRect buttonPlace(QSize table, int s)
{
    const int top = (table.height() - 4 * kButtonSize.height() - 100) / 2;
    return {QPoint(table.width() - 50 - kButtonSize.width(), top + s * (kButtonSize.height() + 25)),
            kButtonSize};
}

struct Shown : Form1 {
    Shown() : Form1({.motion = false})
    {
        show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(this));
    }
};

TEST(Form1Window, BeforeTheFirstGameTheTableShowsOnlyTheFourFlatSuitButtons)
{
    Shown w;
    const QImage table = Drawn(w.probe().surface);
    QRegion buttons;
    for (int s = 0; s < kSuitCount; ++s) {
        const QRect place = buttonPlace(table.size(), s);
        buttons += place;
        EXPECT_EQ(lookShown(table.copy(place)), 0) << s;
    }
    // No card, no hidden picture: the table's orange everywhere else.
    EXPECT_TRUE(
        EveryPixel(table, QRegion(table.rect()) - buttons, Is(QColor(255, 192, 128)), "orange"));
}

TEST(Form1Window, TheSuitButtonsRunDiamondsSpadesHeartsClubsDownTheColumn)
{
    Shown w;
    for (int s = 0; s < kSuitCount; ++s) {
        WindowTest::Raise(w, s);
        const QImage table = Drawn(w.probe().surface);
        const QImage icon = QImage(kSuitIcons[s]).convertToFormat(QImage::Format_RGB32);
        const QRect place = buttonPlace(table.size(), s);
        EXPECT_EQ(lookShown(table.copy(place)), 1) << s;
        EXPECT_TRUE(SamePixels(table, place.topLeft() + QPoint(2, 2), icon, icon.rect())) << s;
        WindowTest::Raise(w, -1);
    }
}

TEST(Form1Window, EachSuitButtonShowsItsLookTheSameEveryTime)
{
    Shown w;
    for (int s = 0; s < kSuitCount; ++s) {
        PictureButton& button = w.probe().suitButton(s);
        const QImage icon = button.picture();
        const QImage flat = Drawn(button);
        WindowTest::Raise(w, s);
        const QImage raised = Drawn(button);
        EXPECT_EQ(lookShown(flat), 0) << s;
        EXPECT_EQ(lookShown(raised), 1) << s;
        // The raised button shows its icon as it is; a flat one fades it
        // towards the table, so the named suit stands out.
        EXPECT_TRUE(SamePixels(raised, {2, 2}, icon, icon.rect())) << s;
        EXPECT_LT(awayFromTheTable(flat.copy(QRect(QPoint(2, 2), icon.size()))),
                  awayFromTheTable(icon) * 3 / 4)
            << s;
        EXPECT_FALSE(SamePixels(flat, {2, 2}, icon, icon.rect())) << s;

        WindowTest::Raise(w, -1);
        EXPECT_EQ(Drawn(button), flat) << s;
        WindowTest::Raise(w, s);
        EXPECT_EQ(Drawn(button), raised) << s;
        WindowTest::Raise(w, -1);
    }
    EXPECT_EQ(w.probe().suitButton(2).picture(),
              QImage(kSuitIcons[kHearts]).convertToFormat(QImage::Format_RGB32))
        << "the picture itself is untouched";
}

TEST(Form1Window, AClickOnASuitButtonAfterTheDealRaisesItOnScreen)
{
    Shown w;
    w.JocNou_Click(); // the human opens: he names the suit
    QTest::mouseClick(&w.probe().suitButton(2), Qt::LeftButton);
    const QImage table = Drawn(w.probe().surface);
    for (int s = 0; s < kSuitCount; ++s)
        EXPECT_EQ(lookShown(table.copy(buttonPlace(table.size(), s))), s == kHearts ? 1 : 0) << s;
}

// F11 puts the window full screen, the table laid out over the whole screen
// under the menu bar, and F11 again gives the window back its size.
TEST(Form1Window, F11PutsTheTableFullScreenAndBack)
{
    Shown w;
    w.showNormal();
    w.resize(700, 500);
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.probe().surface.width() == 700; }));
    QTest::keyClick(&w.probe().surface, Qt::Key_F11);
    ASSERT_TRUE(
        QTest::qWaitFor([&] { return w.probe().surface.width() == w.screen()->size().width(); }));
    EXPECT_EQ(w.probe().surface.y() + w.probe().surface.height(), w.screen()->size().height());
    EXPECT_EQ(Drawn(w.probe().surface).size(), w.probe().surface.size() * w.devicePixelRatioF());
    QTest::keyClick(&w.probe().surface, Qt::Key_F11);
    EXPECT_TRUE(QTest::qWaitFor([&] { return w.probe().surface.width() == 700; }));
}

// With KOLVAR_CHECK=1 the state checker runs after every event that may
// change the table, and a broken rule stops the game, naming the rule and
// the table.
TEST(Form1WindowDeathTest, UnderKolvarCheckABrokenTableStopsTheGameNamingRuleAndTable)
{
    GTEST_FLAG_SET(death_test_style, "threadsafe");
    const auto breakAndTick = [](bool checking) {
        Form1 w({.motion = false, .checking = checking});
        std::string error;
        if (!ParseTable("human=8d,9d computer=Kc top=Kd game=on", w.probe().table, error))
            return;
        w.probe().table.HumanHand[1].face() = w.probe().table.HumanHand[0]; // the eight twice
        w.Timer1_Timer();
        std::_Exit(0); // what went before is what is tested, not the teardown
    };
    EXPECT_EXIT({ breakAndTick(true); }, ::testing::KilledBySignal(SIGABRT),
                "kolvar: the table broke a rule: .*8d.*\n  human=8d,8d ");
    // Without it the game goes on, as a player's game does.
    EXPECT_EXIT({ breakAndTick(false); }, ::testing::ExitedWithCode(0), "");
}

// Counts the timer events the whole program receives.
struct TimerEvents : QObject {
    TimerEvents() { qApp->installEventFilter(this); }
    ~TimerEvents() override { qApp->removeEventFilter(this); }
    bool eventFilter(QObject*, QEvent* event) override
    {
        count += event->type() == QEvent::Timer ? 1 : 0;
        return false;
    }
    int count = 0;
};

// A dealt game waiting for the human wakes the program up not once; the
// timer that paces the computer runs only while the computer has a move due.
TEST(Form1Window, AGameWaitingForTheHumanMakesNoTimerWakeUps)
{
    Shown w;
    w.probe().presentMessage = [](const QString&, const QString&) {};
    w.probe().options.OptSound = false;
    w.JocNou_Click();   // the human opens
    w.Picture4_Click(); // and names diamonds: now it is his move
    ASSERT_TRUE(QTest::qWaitFor([&] { return w.windowIcon().isNull() == false; }));
    QCoreApplication::processEvents();
    TimerEvents timers;
    QElapsedTimer idle;
    idle.start();
    ASSERT_TRUE(QTest::qWaitFor([&] { return idle.elapsed() >= 2000; }, 5000));
    EXPECT_EQ(timers.count, 0) << "timer events in 2 s of a game nobody plays";
    // The count counts: a take hands the computer its move, and the ticks come.
    const TableRect stock = StockRect(w.probe().geometry);
    w.Form_MouseDown(Qt::LeftButton, {}, stock.x + 1, stock.y + 1);
    ASSERT_TRUE(w.probe().table.ComputerToMove);
    EXPECT_TRUE(QTest::qWaitFor([&] { return timers.count > 0; }, 2000));
}

// The keys' outline shows with a play key and hides with a mouse click on
// the table, each event redrawing the table once: a click that lays a card
// with the outline shown, and a click on the bare table, alike.
struct TheOutline : WindowTest {
    int outlinePixels()
    {
        return CountPixels(Drawn(w.probe().surface), QRegion(0, 0, 1000, 680),
                           Is(kSelectionOutline));
    }
};

TEST_F(TheOutline, ShowsWithAKeyAndHidesWithAClickEachInOneRedraw)
{
    play("human=8d,9d,Kc computer=Kh,8c top=7d suit=d raised=d");
    int redraws = w.probe().redraws;
    QTest::keyClick(&w, Qt::Key_Right);
    EXPECT_GT(outlinePixels(), 0);
    EXPECT_EQ(w.probe().redraws, ++redraws);
    clickCard(0); // lays the eight of diamonds
    EXPECT_EQ(w.probe().table.HumanCount, 2);
    EXPECT_EQ(outlinePixels(), 0);
    EXPECT_EQ(w.probe().redraws, ++redraws);

    w.probe().table.ComputerToMove = false;
    QTest::keyClick(&w, Qt::Key_Left);
    EXPECT_GT(outlinePixels(), 0);
    redraws = w.probe().redraws;
    w.Form_MouseDown(Qt::LeftButton, {}, 5, 5); // the bare table
    EXPECT_EQ(outlinePixels(), 0);
    EXPECT_EQ(w.probe().redraws, redraws + 1);
}

// Only the left button clicks a suit button, pressed and let go on it. The
// other buttons' clicks on it neither name a suit nor reach the table, where
// they would hide the outline and remind the player to name a suit.
TEST_F(TheOutline, OnlyALeftClickOnASuitButtonNamesItsSuitAndNoneReachesTheTable)
{
    w.JocNou_Click(); // the human opens: he names the suit
    QTest::keyClick(&w, Qt::Key_Right);
    ASSERT_GT(outlinePixels(), 0);
    PictureButton& hearts = w.probe().suitButton(kHearts);
    QTest::mouseClick(&hearts, Qt::RightButton);
    QTest::mouseClick(&hearts, Qt::MiddleButton);
    QTest::mousePress(&hearts, Qt::LeftButton);
    QTest::mouseRelease(&hearts, Qt::LeftButton, {}, QPoint(hearts.width() + 5, 5));
    EXPECT_EQ(lookShown(Drawn(hearts)), 0);
    EXPECT_GT(outlinePixels(), 0);
    EXPECT_EQ(messages.join('|').toStdString(), "");
    QTest::mouseClick(&hearts, Qt::LeftButton);
    EXPECT_EQ(lookShown(Drawn(hearts)), 1);
}

// H shows the expert's hint with the keys' outline and moves nothing: on the
// ace that keeps the turn for the last card, exactly as the keys outline that
// card; on the stock when nothing may be laid, where Enter then takes.
TEST_F(TheOutline, HShowsTheHintOnItsCardOrOnTheStockAndEnterMakesIt)
{
    const std::string_view aceFirst = "human=9h,Ah computer=8c,8s,Qd top=Kh prev=Qh raised=h";
    play(aceFirst);
    const std::string before = FormatTable(w.probe().table);
    QTest::keyClick(&w, Qt::Key_H);
    const QImage hinted = Drawn(w.probe().surface);
    EXPECT_EQ(FormatTable(w.probe().table), before);
    play(aceFirst);
    QTest::keyClick(&w, Qt::Key_End);
    EXPECT_EQ(hinted, Drawn(w.probe().surface));

    play("human=8c,9s computer=8d,Qd top=Kh prev=Qh raised=h");
    QTest::keyClick(&w, Qt::Key_H);
    const TableRect stock = StockRect(w.probe().geometry);
    const QRect around(stock.x - 3, stock.y - 3, stock.width + 6, stock.height + 6);
    const double s = w.probe().scale.s();
    const QRect aroundOnDevice(OnDevice(around.topLeft(), s), OnDevice(around.bottomRight(), s));
    const QImage shot = Drawn(w.probe().surface);
    EXPECT_GT(CountPixels(shot, aroundOnDevice, Is(kSelectionOutline)), 0);
    EXPECT_EQ(CountPixels(shot, QRegion(shot.rect()) - aroundOnDevice, Is(kSelectionOutline)), 0);
    QTest::keyClick(&w, Qt::Key_Return);
    EXPECT_EQ(w.probe().table.HumanCount, 3);
}

} // namespace
} // namespace kolvar::testing
