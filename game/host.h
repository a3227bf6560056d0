// What the rules ask of the window, and nothing more. The main window
// implements it for real; the tests implement it with a fake that records
// what the rules asked for and serves scripted ticks and random values.
#pragma once

#include "game/move_guard.h"
#include "game/notice.h"

#include <cstdint>
#include <string_view>

namespace kolvar {

class Host {
public:
    virtual ~Host() = default;

    // The table shows the game as it now stands (the window may let the
    // cards the move changed fly into their places).
    virtual void RedrawTable() = 0;
    virtual void ClearTable() = 0; // the bare table, without cards
    // A modal box with one OK button and no icon that says the notice;
    // returns once it is closed.
    virtual void ShowMessage(Notice notice) = 0;
    virtual void PlaySoundCue(std::string_view file) = 0; // a bare name, e.g. "click.wav"
    virtual int32_t TickCount() = 0;                      // milliseconds, wrapping at 2^32
    virtual double NextRandom() = 0;                      // 0 <= r < 1
    virtual void SetTimerEnabled(bool on) = 0;
    virtual void SetOptionsItemEnabled(bool on) = 0;
    // Held while a move is handled, so that none starts inside it.
    virtual MoveLock& Moves() = 0;
};

} // namespace kolvar
