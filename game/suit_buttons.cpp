// The suit buttons: showing the current suit and taking the human's choice.
#include "game/suit_buttons.h"

#include "game/pacing.h"

namespace kolvar {

void FlattenSuitButtons(Table& t)
{
    t.RaisedSuit = -1;
}

void ShowCurrentSuit(Table& t)
{
    const bool known = t.CurrentSuit >= 0 && t.CurrentSuit < kSuitCount;
    t.RaisedSuit = known ? t.CurrentSuit : int16_t{-1};
}

void ClickSuitButton(Table& t, Host& host, int16_t suit)
{
    if (!t.SuitPickOpen)
        return;
    t.RaisedSuit = t.RaisedSuit == suit ? int16_t{-1} : suit;
    if (t.RaisedSuit == suit)
        t.CurrentSuit = suit;
    // A suit named after the human's seven lets the computer move.
    PaceComputer(t, host);
}

} // namespace kolvar
