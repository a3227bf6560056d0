// The soak player's choices, its tally and its checks.
#include "soak_player.h"

#include "game/end_game.h"
#include "game/notation.h"
#include "game/rules.h"
#include "game/suit_buttons.h"
#include "game/timing.h"
#include "test_client.h"

#include <array>

namespace kolvar::testing {

SoakPlayer::SoakPlayer(uint64_t seed, int expertEvery)
    : seed_(seed), expertEvery_(expertEvery), rng_(seed)
{
    s_.host().randomSource = [this] { return rng_.unit(); };
    // A message box runs its own event loop, and the timer ticks in it.
    s_.whileMessageOpen = [this] {
        for (int n = roll(8); n > 0; --n)
            s_.tick(kTimerIntervalMs);
    };
}

// Between games: deal, now and then after switching an option. In a game:
// name a suit while none is, let the computer's pause pass on its turn, and
// play on one's own; once in a while deal again in the middle of a game.
SoakPlayer::Act SoakPlayer::choose()
{
    const Table& t = s_.table();
    if (!t.GameInProgress)
        return roll(4) == 0 ? Act::Options : Act::NewGame;
    if (tally_.moves - movesAtDeal_ >= kSoakMoveLimit || roll(4096) == 0)
        return Act::NewGame;
    if (!s_.table().suitNamed())
        return roll(16) == 0 ? Act::AnyCard : Act::NameSuit;
    if (t.ComputerToMove)
        return roll(16) == 0 ? Act::OutOfTurn : Act::Tick;
    const int r = roll(100);
    if (r < 40)
        return Act::LayByMouse;
    if (r < 70)
        return Act::LayByKeys;
    if (r < 76)
        return Act::TakeByMouse;
    if (r < 82)
        return Act::TakeByKey;
    if (r < 90)
        return Act::AnyCard;
    if (r < 96)
        return Act::ArrowKey;
    return Act::ClickTable;
}

std::string SoakPlayer::step()
{
    const Table before = s_.table();
    const int redrawsBefore = s_.host().redraws;
    last_ = choose();
    act(last_);
    ++tally_.events;
    count(before, redrawsBefore);
    std::string broken = check(before);
    s_.host().cues.clear();
    s_.host().messages.clear();
    if (broken.empty())
        return {};
    return "seed " + std::to_string(seed_) + ", event " + std::to_string(tally_.events) + " (" +
           describe(last_) + "): " + broken + "\n  " + FormatTable(s_.table());
}

void SoakPlayer::act(Act a)
{
    switch (a) {
    case Act::NewGame:
        if (s_.table().GameInProgress)
            ++tally_.abandoned;
        else if (expertEvery_ > 0)
            s_.options().Level =
                roll(expertEvery_) == 0 ? ComputerLevel::Expert : ComputerLevel::Clasic;
        s_.newGame();
        tally_.expertGames += s_.table().Level == ComputerLevel::Expert;
        ++tally_.games;
        movesAtDeal_ = tally_.moves;
        laysSinceDeal_ = 0;
        break;
    case Act::Options:
        arg_ = roll(2);
        arg_ == 0 ? s_.toggleHumanFirst() : s_.toggleSound();
        break;
    case Act::NameSuit:
        arg_ = roll(kSuitCount);
        if (roll(2) == 0)
            s_.clickSuitButton(arg_);
        else
            s_.pressKey(TableKey::Suit, arg_);
        break;
    case Act::Tick:
        arg_ = roll(8) == 0 ? kTimerIntervalMs : kComputerPauseMs + 1 + roll(kTimerIntervalMs);
        s_.tick(arg_);
        break;
    case Act::OutOfTurn:
    case Act::AnyCard:
        arg_ = s_.table().HumanCount > 0 ? roll(s_.table().HumanCount) : 0;
        s_.clickCard(arg_);
        break;
    case Act::LayByMouse:
    case Act::LayByKeys:
        layAdmitted(a == Act::LayByKeys);
        break;
    case Act::TakeByMouse:
        s_.clickStock(1 + roll(kCardWidth - 2), 1 + roll(kCardHeight - 2));
        break;
    case Act::TakeByKey:
        s_.pressKey(TableKey::Take);
        break;
    case Act::ArrowKey:
        arg_ = roll(4);
        s_.pressKey(static_cast<TableKey>(arg_));
        break;
    case Act::ClickTable:
        s_.click(roll(kClientWidth), roll(kClientHeight));
        break;
    }
}

// A random card of those the rules admit, by a click on it or by walking
// the selection to it and pressing Enter; with none, the stock.
void SoakPlayer::layAdmitted(bool byKeys)
{
    const AdmittedCards admitted = HumanCardsAdmitted(s_.table());
    if (admitted.count == 0) {
        arg_ = -1;
        byKeys ? s_.pressKey(TableKey::Take) : s_.clickStock(kCardWidth / 2, kCardHeight / 2);
        return;
    }
    arg_ = admitted.index[roll(admitted.count)];
    if (!byKeys) {
        s_.clickCard(arg_);
        return;
    }
    walkTo(arg_);
    s_.pressKey(TableKey::Lay);
}

// Home or End when the card is nearer that end, then Left or Right.
void SoakPlayer::walkTo(int index)
{
    const int from = s_.selection().index;
    const int count = s_.table().HumanCount;
    if (index < from - index)
        s_.pressKey(TableKey::First);
    else if (count - 1 - index < index - from)
        s_.pressKey(TableKey::Last);
    for (int guard = 0; guard < kHandCapacity && s_.selection().index != index; ++guard)
        s_.pressKey(s_.selection().index < index ? TableKey::Next : TableKey::Previous);
}

std::string SoakPlayer::describe(Act a) const
{
    const std::string n = std::to_string(arg_);
    switch (a) {
    case Act::NewGame:
        return "new game";
    case Act::Options:
        return arg_ == 0 ? "switch who opens" : "switch the sounds";
    case Act::NameSuit:
        return "name suit " + n;
    case Act::Tick:
        return "tick after " + n + " ms";
    case Act::LayByMouse:
        return arg_ < 0 ? "take, none to lay" : "click on card " + n;
    case Act::LayByKeys:
        return arg_ < 0 ? "T, none to lay" : "keys to card " + n + " and Enter";
    case Act::TakeByMouse:
        return "click on the stock";
    case Act::TakeByKey:
        return "T";
    case Act::AnyCard:
        return "click on card " + n + ", admitted or not";
    case Act::ArrowKey:
        return "selection key " + n;
    case Act::ClickTable:
        return "click on the table";
    case Act::OutOfTurn:
        return "click on card " + n + " on the computer's turn";
    }
    return "?";
}

// A human move sounds once (his lay or his take); a computer move happens
// only on a tick and redraws the table once, whatever it took.
void SoakPlayer::count(const Table& before, int redrawsBefore)
{
    const FakeHost& host = s_.host();
    computerLaid_ = false;
    for (const std::string& cue : host.cues) {
        if (cue == kHumanLayCue) {
            ++tally_.moves;
            ++laysSinceDeal_;
        } else if (cue == kHumanTakeCue) {
            ++tally_.moves;
        } else if (cue == kComputerLayCue) {
            computerLaid_ = true;
            ++laysSinceDeal_;
        }
    }
    if (last_ == Act::Tick)
        tally_.moves += host.redraws - redrawsBefore;
    for (Notice m : host.messages)
        if (m != Notice::PickSuit)
            ++(m == Notice::HumanWon ? tally_.humanWins : tally_.computerWins);
    if (last_ != Act::NewGame) {
        const int grew = s_.table().HumanCount + s_.table().ComputerCount - before.HumanCount -
                         before.ComputerCount;
        if (grew > 0)
            tally_.cardsDrawn += grew;
    }
}

// Before the first card of a game the top card is the last game's, which
// the computer's rank match may still follow; once a card lies, the
// computer lays only what the rules admit.
std::string SoakPlayer::check(const Table& before) const
{
    if (auto e = s_.check(); !e.empty())
        return e;
    const Table& t = s_.table();
    if (computerLaid_ && before.PlayedCount > 0 && !MayLay(before, Side::Computer, t.topCard()))
        return "the computer laid " + FormatCard(t.topCard()) +
               ", which the rules do not admit on " + FormatTable(before);
    if (t.PlayedCount != laysSinceDeal_)
        return "the pile counts " + std::to_string(t.PlayedCount) + " lays after " +
               std::to_string(laysSinceDeal_);
    return {};
}

} // namespace kolvar::testing
