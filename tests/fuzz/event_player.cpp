// Handing each decoded event to the session, and the two promises watched
// across an event.
#include "event_player.h"

#include "game/notation.h"
#include "game/rules.h"
#include "human/table_keys.h"
#include "test_client.h"

#include <array>

namespace kolvar::fuzz {
namespace {

// The largest double below 1, the edge of what NextRandom may return.
constexpr double kJustBelowOne = 1.0 - 0x1.0p-53;

int offset(int operand)
{
    return operand - kOffsetBefore;
}

// What a player sees and hears of a move: the table, the suit buttons, the
// messages and the cues.
std::string seen(const Table& t, const testing::FakeHost& host)
{
    std::string out = FormatTable(t);
    for (Notice m : host.messages)
        out += " | " + std::string(NoticeName(m));
    for (const std::string& cue : host.cues)
        out += " | " + cue;
    return out;
}

} // namespace

// A message box holds the move that opened it until it is closed; the timer
// ticks meanwhile, mostly at its own pace, now and then after a long wait.
EventPlayer::EventPlayer(EventDecoder& decoder) : decoder_(decoder)
{
    session_.whileMessageOpen = [this] {
        const uint8_t b = decoder_.byte();
        for (int n = b % 32; n > 0; --n)
            session_.tick(b >= 224 ? 1500 : 50);
    };
}

void EventPlayer::apply(const Event& e)
{
    const bool keyMove =
        e.kind == EventKind::PlayKey &&
        (e.index == static_cast<int>(TableKey::Lay) || e.index == static_cast<int>(TableKey::Take));
    if (keyMove && table().GameInProgress) {
        compareKeyWithClick(e);
    } else if (e.kind == EventKind::Tick) {
        const Table before = table();
        act(e);
        checkComputerLay(before);
    } else {
        act(e);
    }
    host().cues.clear();
    host().messages.clear();
}

void EventPlayer::act(const Event& e)
{
    switch (e.kind) {
    case EventKind::Tick:
        session_.tick(e.ms);
        break;
    case EventKind::ClickCard:
        clickCard(e);
        break;
    case EventKind::ClickStock:
        session_.clickStock(offset(e.dx), offset(e.dy));
        break;
    case EventKind::ClickAnywhere:
    case EventKind::ClickFarOff:
        session_.click(e.x, e.y);
        break;
    case EventKind::SuitButton:
        session_.clickSuitButton(e.index);
        break;
    case EventKind::NewGame:
        newGame(e.seed, e.index);
        break;
    case EventKind::ToggleHumanFirst:
        session_.toggleHumanFirst();
        break;
    case EventKind::ToggleSound:
        session_.toggleSound();
        break;
    case EventKind::PlayKey:
        pressKey(e.index, e.suit);
        break;
    case EventKind::LayLegal:
        layLegal(e.index, e.byKeys);
        break;
    case EventKind::Take:
        take(e.byKeys);
        break;
    }
}

// One past the last card: the table to the right of the hand.
void EventPlayer::clickCard(const Event& e)
{
    const Table& t = table();
    const int i = t.HumanCount > 0 ? e.index % (t.HumanCount + 1) : 0;
    const SlotPos& slot =
        testing::TestGeometry().HumanSlotPos[i < kHandCapacity ? i : kHandCapacity - 1];
    session_.click(slot.X + offset(e.dx), slot.Y + offset(e.dy));
}

// The shuffle's random values: a generator seeded by the event, one fixed
// value, the largest value below 1, or the two ends in turn.
void EventPlayer::newGame(uint32_t seed, int kind)
{
    random_ = seed | 1;
    bool low = false;
    host().randomSource = [this, seed, kind, low]() mutable -> double {
        switch (kind) {
        case 0:
            random_ ^= random_ << 13;
            random_ ^= random_ >> 17;
            random_ ^= random_ << 5;
            return random_ / 4294967296.0;
        case 1:
            return (seed & 0xff) / 256.0;
        case 2:
            return kJustBelowOne;
        default:
            low = !low;
            return low ? 0.0 : kJustBelowOne;
        }
    };
    session_.newGame();
}

void EventPlayer::pressKey(int key, int suit)
{
    session_.pressKey(static_cast<TableKey>(key), suit);
}

// The k-th card that the rules admit, counted round the admitted ones, by a
// click on it or by walking the selection to it with Left and Right and
// pressing Enter; with none admitted, the stock. Before a suit is named, or
// on the computer's turn, the same choice meets the rules' refusal.
void EventPlayer::layLegal(int k, bool byKeys)
{
    const testing::AdmittedCards admitted = testing::HumanCardsAdmitted(table());
    if (admitted.count == 0) {
        take(byKeys);
        return;
    }
    const int target = admitted.index[k % admitted.count];
    if (!byKeys) {
        session_.clickCard(target);
        return;
    }
    for (int guard = 0; guard < kHandCapacity && session_.selection().index != target; ++guard)
        session_.pressKey(session_.selection().index < target ? TableKey::Next
                                                              : TableKey::Previous);
    session_.pressKey(TableKey::Lay);
}

void EventPlayer::take(bool byKeys)
{
    if (byKeys)
        session_.pressKey(TableKey::Take);
    else
        session_.clickStock(kCardWidth / 2, kCardHeight / 2);
}

// Enter and T from a table in play, beside a mouse-down on the selected
// card's visible strip or on the stock's middle from a copy of the same
// table: both must leave the same table, buttons, messages and cues.
void EventPlayer::compareKeyWithClick(const Event& e)
{
    Table byClick = table();
    testing::FakeHost clickHost = host();
    clickHost.onMessage = nullptr; // the copy's messages close at once
    clickHost.randomSource = nullptr;
    HandSelection selection = session_.selection();
    KeepInHand(selection, byClick);

    act(e);

    const bool lay = e.index == static_cast<int>(TableKey::Lay);
    if (lay && byClick.HumanCount == 0)
        return; // no card to click on; the key does nothing
    if (lay)
        testing::ClickAt(byClick, clickHost, testing::HumanCardX(selection.index),
                         testing::HumanCardY(selection.index));
    else
        testing::ClickStockMiddle(byClick, clickHost);
    const std::string byKey = seen(table(), host());
    const std::string clicked = seen(byClick, clickHost);
    if (byKey != clicked)
        broken_ = std::string(lay ? "Enter" : "T") +
                  " did not do what its click does:\n  key:   " + byKey + "\n  click: " + clicked;
}

// A tick makes at most one computer move, from the table as it was. Before
// the first card of a game the top card is the last game's, which the
// ladder's rank match may still follow; once a card lies, every card the
// computer lays must be one that the rules admit.
void EventPlayer::checkComputerLay(const Table& before)
{
    bool laid = false;
    for (const std::string& cue : host().cues)
        laid = laid || cue == kComputerLayCue;
    if (laid && before.PlayedCount > 0 && !MayLay(before, Side::Computer, table().topCard()))
        broken_ = "the computer laid " + FormatCard(table().topCard()) +
                  ", which the rules do not admit on " + FormatTable(before);
}

} // namespace kolvar::fuzz
