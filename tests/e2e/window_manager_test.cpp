// The game as a window on a desktop: xfwm4 manages it and a 48-pixel panel
// along the bottom of the screen reserves its strip. The window opens
// maximized on the work area, and the window manager restores, resizes,
// tiles it and shows it full screen; at every size the screen must show the
// same game, whole and inside the window, at the zoom fitted to the table
// widget, and real clicks must still lay a card and take from the stock.
#include "desktop.h"
#include "game/notation.h"
#include "table_reader.h"

#include <QDir>
#include <algorithm>
#include <gtest/gtest.h>

namespace kolvar::e2e {
namespace {

constexpr QRgb kPanelRgb = 0x3A4A7A; // kolvar_test_panel's colour

std::string text(const std::vector<Face>& cards)
{
    std::string out;
    for (Face c : cards)
        out += FormatCard(c) + " ";
    return out;
}

std::string text(QRect r)
{
    return std::to_string(r.x()) + "," + std::to_string(r.y()) + " " + std::to_string(r.width()) +
           "x" + std::to_string(r.height());
}

// What a resize must not change: the cards and which suit is named.
bool sameGame(const SeenTable& a, const SeenTable& b)
{
    return a.hand == b.hand && a.top == b.top && a.underTop == b.underTop &&
           a.raisedSuit == b.raisedSuit && a.computerCards == b.computerCards &&
           a.stockShown == b.stockShown;
}

// A card the human may lay now, as far as the screen tells: on a jack only a
// jack (two cards may be owed for it), else a seven, the top card's rank or
// the named suit. Sevens and aces come last, since after them the turn does
// not simply pass; a last card is kept (a last card has rules of its own).
int layable(const SeenTable& seen)
{
    if (seen.hand.size() < 2 || seen.raisedSuit < 0)
        return -1;
    int fallback = -1;
    for (size_t i = 0; i < seen.hand.size(); ++i) {
        const Face c = seen.hand[i];
        const bool onJack = seen.top && seen.top->Rank == kJack;
        const bool fits = onJack ? c.Rank == kJack
                                 : c.Rank == kSeven || c.Suit == seen.raisedSuit ||
                                       (seen.top && c.Rank == seen.top->Rank);
        if (!fits)
            continue;
        if (c.Rank != kSeven && c.Rank != kAce)
            return static_cast<int>(i);
        fallback = static_cast<int>(i);
    }
    return fallback;
}

struct OnADesktop : ::testing::Test {
    // One desktop per screen size, started once for the suite.
    static void startDesktop(QSize screen)
    {
        display = new XDisplay(screen);
        desktop = new Desktop(*display);
    }
    static void TearDownTestSuite()
    {
        delete desktop;
        delete display;
        desktop = nullptr;
        display = nullptr;
    }

    void SetUp() override
    {
        ASSERT_TRUE(display && display->ok()) << "Xvfb did not start";
        ASSERT_TRUE(desktop->ok()) << desktop->failure().toStdString();
        game = std::make_unique<Game>(*display, KOLVAR_BINARY);
        ASSERT_TRUE(game->started()) << "the main window did not appear";
        window = game->window();
        desktop->activate(window);
    }

    QRect client() const { return display->clientGeometry(window); }

    // Reads the table in the window's client area as the screen shows it now.
    SeenTable look()
    {
        const QRect area = client();
        shot = display->screenshot();
        if (!reader.locate(shot, area))
            return {};
        return reader.read(shot);
    }
    // Waits until the screen shows a table that `wanted` accepts.
    bool lookUntil(const std::function<bool(const SeenTable&)>& wanted, int timeoutMs = 5000)
    {
        return WaitFor([&] { return wanted(seen = look()); }, timeoutMs, 100);
    }

    bool windowOpen(const QString& title) const { return !display->windows(title).isEmpty(); }
    void answer(const QString& title)
    {
        const QString box = display->windows(title).value(0);
        desktop->activate(box);
        display->key("Return");
        EXPECT_TRUE(WaitFor([&] { return !windowOpen(title); }, 3000)) << title.toStdString();
    }

    void press(const QString& key)
    {
        desktop->activate(window);
        display->key(key);
    }
    void nameSuit(int suit)
    {
        display->click(reader.suitButton(suit));
        EXPECT_TRUE(lookUntil([&](const SeenTable& t) { return t.raisedSuit == suit; }, 3000))
            << "the suit button " << suit << " did not stay raised";
    }
    // Deals and names the first card's suit, so that the human may lay.
    void dealAndOpen()
    {
        press("F2");
        ASSERT_TRUE(lookUntil([](const SeenTable& t) {
            return t.hand.size() == 5 && t.handWhole && t.computerCards == 5;
        })) << "no dealt table read at zoom "
            << reader.scale().zoom << " in the table widget " << text(reader.table())
            << " of the client " << text(client());
        nameSuit(seen.hand.front().Suit);
    }

    // A game the computer won is dealt again, so that play goes on.
    void dealAgainIfOver()
    {
        if (windowOpen("^Kolvar Americana$")) {
            answer("^Kolvar Americana$");
            dealAndOpen();
        }
    }

    void expectInsideTheWindow(const SeenTable& t, const std::string& where);
    void awaitTheComputer(int computerCardsAfterMove);
    bool layACard(int slot, const std::string& where);
    bool takeFromTheStock(const std::string& where);
    void layAndTake(const std::string& where);
    void save(const QString& name)
    {
        QDir().mkpath(KOLVAR_SCREENSHOTS);
        EXPECT_TRUE(display->screenshot().save(QString(KOLVAR_SCREENSHOTS "/") + name));
    }

    static inline XDisplay* display = nullptr;
    static inline Desktop* desktop = nullptr;
    std::unique_ptr<Game> game;
    QString window;
    TableReader reader{KOLVAR_ASSETS};
    QImage shot;
    SeenTable seen;
};

// Every card, the pile, the stock and the four buttons lie wholly inside the
// window's client area, and on the screen.
void OnADesktop::expectInsideTheWindow(const SeenTable& t, const std::string& where)
{
    const QRect area = client() & QRect({0, 0}, display->size());
    std::vector<std::pair<std::string, QRect>> shown;
    for (size_t i = 0; i < t.hand.size(); ++i)
        shown.emplace_back("hand card " + std::to_string(i),
                           reader.handCardRect(static_cast<int>(i)));
    for (int j = 0; j < t.computerCards; ++j)
        shown.emplace_back("computer's card " + std::to_string(j), reader.computerCardRect(j));
    if (t.top)
        shown.emplace_back("pile", reader.pileRect());
    if (t.stockShown)
        shown.emplace_back("stock", reader.stockRect());
    for (int s = 0; s < kSuitCount; ++s)
        shown.emplace_back("suit button " + std::to_string(s), t.suitButtons[s]);
    for (const auto& [name, r] : shown)
        EXPECT_TRUE(!r.isEmpty() && area.contains(r))
            << where << ": " << name << " at " << text(r) << " is not inside " << text(area);
}

// The computer answers a second after the human's move: its hand changes
// (it laid or took). After its ace it moves again; after its last card the
// game ends.
void OnADesktop::awaitTheComputer(int computerCardsAfterMove)
{
    int before = computerCardsAfterMove;
    for (int moves = 0; moves < 8; ++moves) {
        const bool answered = WaitFor(
            [&] {
                seen = look();
                return seen.computerCards != before || windowOpen("^Kolvar Americana$");
            },
            5000, 100);
        ASSERT_TRUE(answered) << "the computer did not answer";
        const bool laidAnAce = seen.computerCards < before && seen.top && seen.top->Rank == kAce;
        if (!laidAnAce || windowOpen("^Kolvar Americana$"))
            return;
        before = seen.computerCards;
    }
}

bool OnADesktop::layACard(int slot, const std::string& where)
{
    const Face card = seen.hand[slot];
    const size_t count = seen.hand.size();
    display->click(reader.handCard(slot));
    const bool laid = lookUntil(
        [&](const SeenTable& t) { return t.top == card && t.hand.size() == count - 1; }, 3000);
    EXPECT_TRUE(laid) << where << ": a click on " << FormatCard(card) << " did not lay it";
    if (!laid)
        return false;
    if (card.Rank == kSeven)
        nameSuit(seen.hand.front().Suit);
    if (card.Rank != kAce)
        awaitTheComputer(seen.computerCards);
    return true;
}

bool OnADesktop::takeFromTheStock(const std::string& where)
{
    const size_t count = seen.hand.size();
    display->click(reader.stock());
    const bool took = lookUntil([&](const SeenTable& t) { return t.hand.size() > count; }, 3000);
    EXPECT_TRUE(took) << where << ": a click on the stock took nothing";
    if (took)
        awaitTheComputer(seen.computerCards);
    return took;
}

// At the window's present size: one card laid and one take, each by a real
// click, whatever the computer does in between; a game that ends is dealt
// again.
void OnADesktop::layAndTake(const std::string& where)
{
    bool laid = false, took = false;
    for (int round = 0; round < 8 && !(laid && took) && !HasFailure(); ++round) {
        dealAgainIfOver();
        seen = look();
        const int slot = laid ? -1 : layable(seen);
        if (slot >= 0)
            laid = layACard(slot, where);
        else
            took = takeFromTheStock(where) || took; // nothing fits: a fresh card may
    }
    EXPECT_TRUE(laid) << where << ": no card could be laid in eight moves";
    EXPECT_TRUE(took) << where;
}

// --- Maximized, restored and resized on a 1920 x 1080 screen ---------------

struct OnAFullHdDesktop : OnADesktop {
    static void SetUpTestSuite() { startDesktop({1920, 1080}); }
};

TEST_F(OnAFullHdDesktop, TheDesktopReservesThePanelsStripAndMaximizesWindowsAboveIt)
{
    EXPECT_EQ(desktop->workArea(), QRect(0, 0, 1920, 1032));
    EXPECT_EQ(display->clientGeometry(display->windows("^kolvar test panel$").value(0)),
              QRect(0, 1032, 1920, 48));
    desktop->setMaximized(window, false);
    ASSERT_TRUE(
        desktop->waitForClient(window, [&](QRect) { return !desktop->isMaximized(window); }));
    desktop->setMaximized(window, true);
    QRect seenClient;
    EXPECT_TRUE(desktop->waitForClient(
        window,
        [&](QRect c) {
            return desktop->isMaximized(window) &&
                   c.marginsAdded(desktop->frame(window)) == desktop->workArea();
        },
        5000, &seenClient))
        << "maximized, the client is " << text(seenClient);
}

TEST_F(OnAFullHdDesktop, OpensMaximizedAndShowsItsWholeDealtHandAboveThePanel)
{
    QRect seenClient;
    ASSERT_TRUE(desktop->waitForClient(
        window,
        [&](QRect c) {
            return desktop->isMaximized(window) &&
                   c.marginsAdded(desktop->frame(window)) == desktop->workArea();
        },
        5000, &seenClient))
        << "not maximized on the work area: client " << text(seenClient);
    dealAndOpen();
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(seen.hand.size(), 5u);
    EXPECT_TRUE(seen.handWhole);
    expectInsideTheWindow(seen, "maximized");
    const int handBottom = reader.handCardRect(4).bottom();
    EXPECT_LT(handBottom, desktop->panel().top()) << "the hand reaches into the panel";
    // The panel is still there to see, the window beside it.
    EXPECT_EQ(shot.pixel(desktop->panel().center()) & 0xFFFFFF, kPanelRgb);
    save("wm-maximized.png");
}

TEST_F(OnAFullHdDesktop, RestoredAndResizedMidGameItShowsTheSameTableWholeAndPlays)
{
    ASSERT_TRUE(desktop->waitForClient(window, [&](QRect) { return desktop->isMaximized(window); }))
        << "the window did not open maximized";
    dealAndOpen();
    ASSERT_FALSE(HasFailure());
    const struct {
        QSize size;
        const char* shot;
    } sizes[] = {{{1100, 750}, "wm-1100x750.png"},
                 {{960, 1050}, "wm-960x1050.png"},
                 {{640, 480}, "wm-640x480.png"}};
    for (const auto& [size, name] : sizes) {
        const std::string where =
            std::to_string(size.width()) + "x" + std::to_string(size.height());
        dealAgainIfOver();
        const SeenTable before = look();
        ASSERT_FALSE(before.hand.empty()) << where << ": no hand to compare before the resize";

        desktop->setMaximized(window, false);
        ASSERT_TRUE(
            desktop->waitForClient(window, [&](QRect) { return !desktop->isMaximized(window); }))
            << where << ": still maximized";
        desktop->resize(window, size);
        QRect seenClient;
        ASSERT_TRUE(desktop->waitForClient(
            window, [&](QRect c) { return c.size() == size; }, 5000, &seenClient))
            << where << ": the client area stayed " << text(seenClient);

        const bool same = lookUntil([&](const SeenTable& t) {
            return sameGame(t, before) && t.handWhole &&
                   std::all_of(t.suitButtons.begin(), t.suitButtons.end(),
                               [](QRect b) { return !b.isEmpty(); });
        });
        EXPECT_TRUE(same) << where << ": the table read " << text(seen.hand) << "top "
                          << (seen.top ? FormatCard(*seen.top) : "none") << ", before "
                          << text(before.hand) << "top "
                          << (before.top ? FormatCard(*before.top) : "none") << " (zoom "
                          << reader.scale().zoom << ", table " << reader.tableSize().width() << "x"
                          << reader.tableSize().height() << ")";
        if (!same) {
            save(QString("wm-") + QString::fromStdString(where) + "-unread.png");
            continue;
        }
        expectInsideTheWindow(seen, where);
        save(name);
        layAndTake(where);
    }
}

// The window's minimum is the size at which the table takes zoom 0.5: a
// table widget of 500 x 325.
TEST_F(OnAFullHdDesktop, AskedSmallerThanItsMinimumItKeepsTheTableAtZoomOneHalf)
{
    ASSERT_TRUE(desktop->waitForClient(window, [&](QRect) { return desktop->isMaximized(window); }))
        << "the window did not open maximized";
    desktop->setMaximized(window, false);
    ASSERT_TRUE(
        desktop->waitForClient(window, [&](QRect) { return !desktop->isMaximized(window); }));
    desktop->resize(window, {400, 250});
    QRect seenClient;
    ASSERT_TRUE(desktop->waitForClient(
        window, [&](QRect c) { return c.width() == 500; }, 5000, &seenClient))
        << "asked for 400 x 250, the client is " << text(seenClient);
    dealAndOpen();
    ASSERT_FALSE(HasFailure());
    EXPECT_EQ(reader.table().size(), QSize(500, 325))
        << "the table widget " << text(reader.table());
    EXPECT_EQ(reader.scale().zoom, 0.5);
    expectInsideTheWindow(seen, "at the minimum");
    save("wm-minimum.png");
}

TEST_F(OnAFullHdDesktop, F11CoversThePanelAndF11AgainGivesItBack)
{
    ASSERT_TRUE(desktop->waitForClient(window, [&](QRect) { return desktop->isMaximized(window); }))
        << "the window did not open maximized";
    const QRect maximized = client();

    press("F11");
    QRect seenClient;
    ASSERT_TRUE(desktop->waitForClient(
        window,
        [&](QRect c) {
            return c == QRect({0, 0}, display->size());
        },
        5000, &seenClient))
        << "full screen left the client at " << text(seenClient);
    EXPECT_TRUE(desktop->states(window).contains("_NET_WM_STATE_FULLSCREEN"));
    dealAndOpen();
    ASSERT_FALSE(HasFailure());
    expectInsideTheWindow(seen, "full screen");
    EXPECT_NE(shot.pixel(desktop->panel().center()) & 0xFFFFFF, kPanelRgb)
        << "the panel still shows at full screen";
    save("wm-fullscreen.png");

    const SeenTable before = seen;
    press("F11");
    ASSERT_TRUE(desktop->waitForClient(
        window, [&](QRect c) { return c == maximized; }, 5000, &seenClient))
        << "back from full screen the client is " << text(seenClient);
    EXPECT_FALSE(desktop->states(window).contains("_NET_WM_STATE_FULLSCREEN"));
    EXPECT_TRUE(lookUntil([&](const SeenTable& t) { return sameGame(t, before) && t.handWhole; }))
        << "back from full screen the table reads " << text(seen.hand);
    EXPECT_EQ(shot.pixel(desktop->panel().center()) & 0xFFFFFF, kPanelRgb)
        << "the panel did not come back";
}

// --- Tiled to the left half of a 1366 x 768 screen --------------------------

struct OnASmallDesktop : OnADesktop {
    static void SetUpTestSuite() { startDesktop({1366, 768}); }
};

TEST_F(OnASmallDesktop, TiledToTheLeftHalfItShowsTheWholeTable)
{
    desktop->tileLeft(window);
    const QRect half(0, 0, 683, desktop->workArea().height());
    QRect seenClient;
    ASSERT_TRUE(desktop->waitForClient(
        window, [&](QRect c) { return c.marginsAdded(desktop->frame(window)) == half; }, 5000,
        &seenClient))
        << "tiled, the client is " << text(seenClient);
    dealAndOpen();
    ASSERT_FALSE(HasFailure());
    EXPECT_LT(reader.scale().zoom, 0.7); // the table shown smaller than designed
    expectInsideTheWindow(seen, "left half");
    save("wm-half-1366x768.png");
}

} // namespace
} // namespace kolvar::e2e
