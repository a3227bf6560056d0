// A set of cards of the 32-card deck, one bit per card in built order: what
// a player remembers of where the cards are ("the cards laid this game",
// "the cards I cannot see") is a handful of these.
#pragma once

#include "game/card.h"

#include <bit>
#include <cstdint>

namespace kolvar {

class CardSet {
public:
    constexpr CardSet() = default;
    static constexpr CardSet fromBits(uint32_t bits) { return CardSet(bits); }
    static constexpr CardSet wholeDeck() { return CardSet(~uint32_t{0}); }
    // The four cards of a rank, the eight of a suit; none for a code off the deck.
    static constexpr CardSet ofRank(int16_t rank)
    {
        return rank >= kLowestRank && rank <= kHighestRank
                   ? CardSet(uint32_t{0xF} << ((rank - kLowestRank) * kSuitCount))
                   : CardSet();
    }
    static constexpr CardSet ofSuit(int16_t suit)
    {
        return suit >= 0 && suit < kSuitCount ? CardSet(uint32_t{0x11111111} << suit) : CardSet();
    }

    // The cards of a hand or of a run of the ring.
    template <typename Cards>
    static constexpr CardSet of(const Cards& cards, int count)
    {
        CardSet s;
        for (int i = 0; i < count; ++i)
            s.add(cards[i]);
        return s;
    }

    constexpr bool has(Face f) const { return InDeck(f) && (bits_ & bit(f)) != 0; }
    constexpr void add(Face f)
    {
        if (InDeck(f))
            bits_ |= bit(f);
    }
    constexpr void remove(Face f)
    {
        if (InDeck(f))
            bits_ &= ~bit(f);
    }
    constexpr int size() const { return std::popcount(bits_); }
    constexpr bool empty() const { return bits_ == 0; }
    constexpr uint32_t bits() const { return bits_; }

    constexpr CardSet operator|(CardSet o) const { return CardSet(bits_ | o.bits_); }
    constexpr CardSet operator&(CardSet o) const { return CardSet(bits_ & o.bits_); }
    constexpr CardSet operator-(CardSet o) const { return CardSet(bits_ & ~o.bits_); }
    constexpr bool operator==(const CardSet&) const = default;

    // The cards in built order: for (Face f : set).
    class Iterator {
    public:
        constexpr explicit Iterator(uint32_t rest) : rest_(rest) {}
        constexpr Face operator*() const { return BuiltFace(std::countr_zero(rest_)); }
        constexpr Iterator& operator++()
        {
            rest_ &= rest_ - 1;
            return *this;
        }
        constexpr bool operator!=(const Iterator& o) const { return rest_ != o.rest_; }

    private:
        uint32_t rest_;
    };
    constexpr Iterator begin() const { return Iterator(bits_); }
    constexpr Iterator end() const { return Iterator(0); }

private:
    constexpr explicit CardSet(uint32_t bits) : bits_(bits) {}
    static constexpr uint32_t bit(Face f) { return uint32_t{1} << BuiltIndex(f); }

    uint32_t bits_ = 0;
};

} // namespace kolvar
