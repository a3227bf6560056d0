// Play keys as the clicks they stand for, by the index of the card chosen.
#include "human/table_keys.h"

#include "game/new_game.h"
#include "game/suit_buttons.h"
#include "human/table_click.h"

#include <algorithm>
#include <utility>

namespace kolvar {
namespace {

int16_t movedSelection(int16_t index, TableKey key, int16_t count)
{
    switch (key) {
    case TableKey::Previous:
        return static_cast<int16_t>(std::max(index - 1, 0));
    case TableKey::Next:
        return static_cast<int16_t>(std::min(index + 1, count - 1));
    case TableKey::First:
        return 0;
    case TableKey::Last:
        return static_cast<int16_t>(count - 1);
    default:
        return index;
    }
}

} // namespace

int16_t SelectedInHand(const HandSelection& selection, const Table& t)
{
    return static_cast<int16_t>(std::clamp<int>(selection.index, 0, std::max(t.HumanCount - 1, 0)));
}

void KeepInHand(HandSelection& selection, const Table& t)
{
    selection.index = SelectedInHand(selection, t);
}

void ShowHint(HandSelection& selection, const std::optional<Play>& hint)
{
    if (!hint)
        return;
    selection.shown = true;
    selection.onStock = hint->isTake();
    if (!hint->isTake())
        selection.index = hint->index;
}

void MouseDownOnTable(Table& t, const TableGeometry& g, Host& host, HandSelection& selection, int x,
                      int y)
{
    selection.shown = false;
    selection.onStock = false;
    ClickTable(t, g, host, x, y);
    KeepInHand(selection, t);
}

void NewDeal(Table& t, const Options& options, Host& host, HandSelection& selection,
             OpeningSuitChoice opening)
{
    selection.index = 0;
    selection.onStock = false;
    DealNewGame(t, options, host, opening);
    KeepInHand(selection, t);
}

void PressTableKey(Table& t, Host& host, HandSelection& selection, TableKey key, int16_t suit)
{
    if (!t.GameInProgress) {
        // A suit button takes its click whether a game is on or not (after a
        // win by a seven it still does), and its digit with it.
        if (key == TableKey::Suit)
            ClickSuitButton(t, host, suit);
        return;
    }
    KeepInHand(selection, t);
    selection.shown = true; // the outline appears with the first play key
    const bool onStock = std::exchange(selection.onStock, false);
    switch (key) {
    case TableKey::Lay:
        if (onStock)
            ClickStock(t, host);
        else if (t.HumanCount > 0)
            ClickHandCard(t, host, selection.index);
        break;
    case TableKey::Take:
        ClickStock(t, host);
        break;
    case TableKey::Suit:
        ClickSuitButton(t, host, suit);
        break;
    default:
        if (t.ComputerToMove || t.HumanCount == 0)
            return;
        selection.index = movedSelection(selection.index, key, t.HumanCount);
        return;
    }
    KeepInHand(selection, t);
}

} // namespace kolvar
