// One game driven through the rules' public entry points, with the fake host
// as the window: what the soak test, the fuzzer and the benchmarks' random
// player do to the game, each by its own choice of events. Time passes and
// the timer ticks; the player clicks on the table (on a card, on the stock,
// anywhere), on a suit button, presses a play key, deals a new game, and
// switches an option between games.
//
// The selection that the play keys move follows the same rules as the main
// window's (human/table_keys.h).
//
// A real message box runs its own event loop, and the timer ticks in it: a
// message opened by a move runs `whileMessageOpen` (nothing, unless set),
// but never again from inside itself.
#pragma once

#include "fake_host.h"
#include "game/options.h"
#include "game/table.h"
#include "human/table_keys.h"

#include <array>
#include <cstdint>
#include <functional>
#include <string>

namespace kolvar::testing {

// Empty while the table is sound (CheckInvariants, the suit buttons
// included) and the window agrees with it: the timer runs exactly while the
// computer has a move due, the options item is locked exactly while a game
// is in progress, and no move is still marked as running. Otherwise the first thing found wrong.
std::string CheckSession(const Table& t, const FakeHost& host);

// The cards of the human's hand that the rules admit now, by their index.
struct AdmittedCards {
    std::array<int, kHandCapacity> index{};
    int count = 0;
};
AdmittedCards HumanCardsAdmitted(const Table& t);

class Session {
public:
    // The window has loaded, on the test client area; no game is dealt.
    Session();
    Session(const Session&) = delete;
    Session& operator=(const Session&) = delete;

    Table& table() { return t_; }
    const Table& table() const { return t_; }
    FakeHost& host() { return host_; }
    const FakeHost& host() const { return host_; }
    Options& options() { return options_; }
    const HandSelection& selection() const { return selection_; }

    // `ms` pass (the tick count wraps round), then the timer ticks if it runs.
    void tick(uint32_t ms);
    // On the table pixel (x, y) of the test table.
    void click(int x, int y);
    // The middle of the visible strip of human card i.
    void clickCard(int i);
    // At (dx, dy) from the stock's top-left corner.
    void clickStock(int dx, int dy);
    void clickSuitButton(int suit);
    // A play key; `suit` is the suit button's suit for TableKey::Suit.
    void pressKey(TableKey key, int suit = 0);
    void newGame();
    // As the options window does, so only while the options item is enabled.
    void toggleHumanFirst();
    void toggleSound();

    // CheckSession, and the selection on a card of the hand (on 0 when the
    // hand is empty).
    std::string check() const;

    std::function<void()> whileMessageOpen;

private:
    Table t_;
    Options options_;
    FakeHost host_;
    HandSelection selection_;
    bool messageOpen_ = false;
};

} // namespace kolvar::testing
