// A Host for the rules alone: it records what the rules asked of the window
// and serves a scripted clock and scripted random values.
#pragma once

#include "game/cues.h"
#include "game/host.h"

#include <array>
#include <deque>
#include <functional>
#include <initializer_list>
#include <string>
#include <vector>

namespace kolvar::testing {

class FakeHost : public Host {
public:
    void RedrawTable() override { ++redraws; }
    void ClearTable() override { ++clears; }
    void ShowMessage(Notice notice) override
    {
        messages.push_back(notice);
        if (onMessage)
            onMessage();
    }
    void PlaySoundCue(std::string_view file) override { cues.emplace_back(file); }
    int32_t TickCount() override { return now; }
    double NextRandom() override
    {
        if (randoms.empty())
            return randomSource ? randomSource() : 0.0;
        const double r = randoms.front();
        randoms.pop_front();
        return r;
    }
    void SetTimerEnabled(bool on) override { timerEnabled = on; }
    void SetOptionsItemEnabled(bool on) override { optionsItemEnabled = on; }
    MoveLock& Moves() override { return moves; }

    int redraws = 0;
    int clears = 0;
    std::vector<Notice> messages;
    std::vector<std::string> cues;
    int32_t now = 0;
    std::deque<double> randoms; // served first, then randomSource, then 0
    std::function<double()> randomSource;
    bool timerEnabled = false;
    bool optionsItemEnabled = true;
    MoveLock moves;
    // Runs while a message is "open", as the nested event loop of a real
    // message box would run timer ticks.
    std::function<void()> onMessage;
};

// Cues by name, to compare with what the fake host heard.
inline std::vector<std::string> Cues(std::initializer_list<std::string_view> names)
{
    return {names.begin(), names.end()};
}

} // namespace kolvar::testing
