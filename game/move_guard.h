// Blocks nested moves for as long as a move is handled. A message box shown
// from inside a move runs a nested event loop, and the timer ticks that it
// delivers must not start a computer move in the middle of this one.
#pragma once

#include "game/table.h"

namespace kolvar {

class MoveGuard {
public:
    explicit MoveGuard(Table& t) : t_(t) { t_.NestedMovesBlocked = true; }
    ~MoveGuard() { t_.NestedMovesBlocked = false; }
    MoveGuard(const MoveGuard&) = delete;
    MoveGuard& operator=(const MoveGuard&) = delete;

private:
    Table& t_;
};

} // namespace kolvar
