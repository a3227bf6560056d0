// Turns the fuzzer's bytes into what a player and the clock can do to the
// game: clicks on the table (on a card of the hand, on the stock, anywhere,
// far off the table), clicks on the suit buttons, the play keys, moves as
// the game offers them (the k-th card that may be laid, or the stock, by
// mouse or by keys), timer ticks of many lengths, new games with any
// shuffle, and the options switched.
//
// Each event is one opcode byte and the operand bytes it needs; bytes past
// the end of the input read as zero, so every input, even an empty one, is a
// valid sequence. The decoder knows nothing of the table: a click on "card
// 3" or "the second card that may be laid" is found by the event player,
// which sees the table.
#pragma once

#include <cstddef>
#include <cstdint>
#include <string>

namespace kolvar::fuzz {

enum class EventKind : uint8_t {
    Tick,             // ms: the time that passes before the tick
    ClickCard,        // index: a human card (or one past the last); dx, dy: offsets
    ClickStock,       // dx, dy: offsets from the stock's corner
    ClickAnywhere,    // x, y: a little beyond the table on every side
    ClickFarOff,      // x, y: any 32-bit position, huge and negative ones too
    SuitButton,       // index: the suit, 0..3
    NewGame,          // seed and index (the kind of random values the shuffle gets)
    ToggleHumanFirst, // between games, as the options window allows
    ToggleSound,
    PlayKey,  // index: the TableKey, in its declared order; suit for the digit keys
    LayLegal, // index: which of the cards the rules admit, counted round; byKeys
    Take,     // byKeys: the take key instead of a click on the stock's middle
};

inline constexpr int kEventKinds = 12;
inline constexpr int kTableKeys = 7; // Left, Right, Home, End, Lay, Take, Suit

struct Event {
    EventKind kind = EventKind::Tick;
    uint32_t ms = 0;
    uint32_t seed = 0;
    int index = 0;
    int suit = 0;
    bool byKeys = false;
    int dx = 0, dy = 0;
    int x = 0, y = 0;
};

// The offsets of ClickCard and ClickStock, in table pixels, run from 4
// pixels before the corner to well past the card, so that both edges of
// every strip are hit exactly and from either side.
inline constexpr int kOffsetBefore = 4;

std::string Describe(const Event& e);

class EventDecoder {
public:
    EventDecoder(const uint8_t* data, size_t size) : data_(data), size_(size) {}

    bool atEnd() const { return pos_ >= size_; }
    // The next event; false once the input is used up.
    bool next(Event& e);
    // One more byte, for a choice made while an event is handled (how long a
    // message box stays open).
    uint8_t byte() { return pos_ < size_ ? data_[pos_++] : 0; }

private:
    uint16_t word();
    uint32_t dword();

    const uint8_t* data_;
    size_t size_;
    size_t pos_ = 0;
};

} // namespace kolvar::fuzz
