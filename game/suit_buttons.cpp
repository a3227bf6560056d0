// The suit buttons: showing the current suit and taking the human's choice.
#include "game/suit_buttons.h"

#include "game/pacing.h"

namespace kolvar {

void FlattenSuitButtons(Host& host)
{
    for (int s = 0; s < kSuitCount; ++s)
        host.SetSuitLook(s, kFlat);
}

void ShowCurrentSuit(const Table& t, Host& host)
{
    FlattenSuitButtons(host);
    if (t.CurrentSuit >= 0 && t.CurrentSuit < kSuitCount)
        host.SetSuitLook(t.CurrentSuit, kRaised);
}

int RaisedSuitButtons(const Host& host)
{
    int sum = 0;
    for (int s = 0; s < kSuitCount; ++s)
        sum += host.SuitLook(s);
    return sum;
}

void ClickSuitButton(Table& t, Host& host, int16_t suit)
{
    if (!t.SuitPickOpen)
        return;
    const SuitLookValue look = host.SuitLook(suit) == kRaised ? kFlat : kRaised;
    host.SetSuitLook(suit, look);
    for (int s = 0; s < kSuitCount; ++s)
        if (s != suit)
            host.SetSuitLook(s, kFlat);
    if (look == kRaised)
        t.CurrentSuit = suit;
    // A suit named after the human's seven lets the computer move.
    PaceComputer(t, host);
}

} // namespace kolvar
