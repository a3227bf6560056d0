// What a side's moves have shown of its hand, as any player at the table
// would read them. A take shows that the taker probably had nothing he could
// have laid instead: no card of the suit to follow, no seven, none of the top
// card's rank; under a jack chain, no jack. A seven shows that its player
// probably had nothing else of the suit to follow, since a seven goes on
// anything and is wasted where another card would do. Each note speaks of
// the cards held when it was made; a card laid since that was not ruled out
// may have been one of them, so it counts one fewer. The newest notes are
// kept.
#pragma once

#include "game/card_set.h"

#include <array>
#include <cstdint>

namespace kolvar {

struct HandNote {
    CardSet lacking;  // probably none of these
    int16_t held = 0; // among this many of the side's cards

    bool operator==(const HandNote&) const = default;
};

class HandNotes {
public:
    static constexpr int kKept = 4;

    // The side held `held` cards, none of them probably in `lacking`.
    void add(CardSet lacking, int held);
    // The side laid `card`.
    void laid(Face card);

    int count() const { return count_; }
    // Oldest first.
    const HandNote& operator[](int i) const { return notes_[i]; }
    bool operator==(const HandNotes&) const = default;

private:
    std::array<HandNote, kKept> notes_{};
    int16_t count_ = 0;
};

} // namespace kolvar
