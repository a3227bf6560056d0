// Handing each event to the rules as the main window would, and the check
// made after it.
#include "session.h"

#include "computer/computer_turn.h"
#include "game/invariants.h"
#include "game/new_game.h"
#include "game/pacing.h"
#include "game/rules.h"
#include "game/suit_buttons.h"
#include "human/table_click.h"
#include "human/table_keys.h"
#include "test_client.h"

namespace kolvar::testing {

std::string CheckSession(const Table& t, const FakeHost& host)
{
    if (auto e = CheckInvariants(t); !e.empty())
        return e;
    if (host.moves.held())
        return "a move is still marked as running";
    if (ComputerHasAMoveDue(t) != host.timerEnabled)
        return "the timer does not run exactly while the computer has a move due";
    if (t.GameInProgress == host.optionsItemEnabled)
        return "the options item is not locked exactly while a game is in progress";
    return {};
}

AdmittedCards HumanCardsAdmitted(const Table& t)
{
    AdmittedCards admitted;
    for (int i = 0; i < t.HumanCount; ++i)
        if (MayLay(t, Side::Human, t.HumanHand[i]))
            admitted.index[admitted.count++] = i;
    return admitted;
}

Session::Session()
{
    host_.onMessage = [this] {
        if (messageOpen_ || !whileMessageOpen)
            return;
        messageOpen_ = true;
        whileMessageOpen();
        messageOpen_ = false;
    };
    PrepareTable(t_, options_, host_);
}

std::string Session::check() const
{
    if (auto e = CheckSession(t_, host_); !e.empty())
        return e;
    const int last = t_.HumanCount > 0 ? t_.HumanCount - 1 : 0;
    if (selection_.index < 0 || selection_.index > last)
        return "the selection is on card " + std::to_string(selection_.index) + " of a hand of " +
               std::to_string(t_.HumanCount);
    return {};
}

void Session::tick(uint32_t ms)
{
    host_.now = static_cast<int32_t>(static_cast<uint32_t>(host_.now) + ms);
    if (host_.timerEnabled)
        ComputerTick(t_, host_);
}

void Session::click(int x, int y)
{
    MouseDownOnTable(t_, TestGeometry(), host_, selection_, x, y);
}

void Session::clickCard(int i)
{
    click(HumanCardX(i), HumanCardY(i));
}

void Session::clickStock(int dx, int dy)
{
    click(TestGeometry().StockX + dx, TestGeometry().StockY + dy);
}

void Session::clickSuitButton(int suit)
{
    ClickSuitButton(t_, host_, static_cast<int16_t>(suit));
}

void Session::pressKey(TableKey key, int suit)
{
    PressTableKey(t_, host_, selection_, key, static_cast<int16_t>(suit));
}

void Session::newGame()
{
    NewDeal(t_, options_, host_, selection_, ComputerOpeningSuit);
}

void Session::toggleHumanFirst()
{
    if (host_.optionsItemEnabled)
        options_.OptHumanFirst = !options_.OptHumanFirst;
}

void Session::toggleSound()
{
    if (host_.optionsItemEnabled)
        options_.OptSound = !options_.OptSound;
}

} // namespace kolvar::testing
