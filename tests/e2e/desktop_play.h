// A game on a desktop, played as a player plays it: the fixture that starts
// the game on a display with a window manager and a panel, reads the table
// in the window's client area, and deals, names suits, lays and takes with
// real clicks, waiting each time for what the screen must show and for the
// computer's answer.
#pragma once

#include "desktop.h"
#include "table_reader.h"

#include <QDir>
#include <QImage>
#include <functional>
#include <gtest/gtest.h>
#include <memory>
#include <string>

namespace kolvar::e2e {

inline constexpr QRgb kPanelRgb = 0x3A4A7A; // kolvar_test_panel's colour

std::string text(const std::vector<Face>& cards);
std::string text(QRect r);
// What a resize must not change: the cards and which suit is named.
bool sameGame(const SeenTable& a, const SeenTable& b);
// A card the human may lay now, as far as the screen tells; -1 for none.
int layable(const SeenTable& seen);

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

    // Reads the table in the window's client area once no card is in flight.
    SeenTable look()
    {
        const QRect area = client();
        shot = display->stillScreenshot();
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

} // namespace kolvar::e2e
