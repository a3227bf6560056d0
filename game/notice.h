// What the rules have the window tell the player, by name: the rules know
// when to say it, the window gives it its words (and its box's title) in the
// player's language.
#pragma once

#include <string_view>

namespace kolvar {

enum class Notice {
    PickSuit,  // a click while no suit is named: name one with the buttons first
    HumanWon,  // the end of a game the human won
    HumanLost, // the end of a game the computer won
};

// The notice's name in logs and test output, never shown to the player.
constexpr std::string_view NoticeName(Notice notice)
{
    switch (notice) {
    case Notice::PickSuit:
        return "pick-suit";
    case Notice::HumanWon:
        return "human-won";
    case Notice::HumanLost:
        return "human-lost";
    }
    return {};
}

} // namespace kolvar
