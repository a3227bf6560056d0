// The game as a window on a desktop: xfwm4 manages it and a 48-pixel panel
// along the bottom of the screen reserves its strip. The window opens
// maximized on the work area, and the window manager restores, resizes,
// tiles it and shows it full screen; at every size the screen must show the
// same game, whole and inside the window, at the zoom fitted to the table
// widget, and real clicks must still lay a card and take from the stock.
#include "desktop_play.h"
#include "game/notation.h"

#include <algorithm>
#include <gtest/gtest.h>

namespace kolvar::e2e {
namespace {

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
