// Blocks nested moves for as long as a move is handled. A message box shown
// from inside a move runs a nested event loop, and a timer tick or a click
// that it delivers must not start a move in the middle of this one. The lock
// belongs to the window that runs the event loop (Host::Moves); a move holds
// it through a MoveGuard, and every entry point that starts a move first asks
// whether it is free.
#pragma once

namespace kolvar {

class MoveLock {
public:
    bool held() const { return held_; }

private:
    friend class MoveGuard;
    bool held_ = false;
};

class MoveGuard {
public:
    explicit MoveGuard(MoveLock& lock) : lock_(lock) { lock_.held_ = true; }
    ~MoveGuard() { lock_.held_ = false; }
    MoveGuard(const MoveGuard&) = delete;
    MoveGuard& operator=(const MoveGuard&) = delete;

private:
    MoveLock& lock_;
};

} // namespace kolvar
