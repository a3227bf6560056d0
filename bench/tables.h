// The tables the view benchmarks draw and play on.
#pragma once

#include "game/table.h"

#include <string_view>

namespace kolvar::bench {

// The most the redraw ever has to draw: 21 face-up cards in the human's row,
// 21 backs in the computer's, both cards of the pile and the stock,
// wherever the table is laid out. No game deals this many cards, so the
// table is built field by field rather than played to.
Table WorstTable();

// A sound table in the middle of a game, 14 cards in each hand, diamonds
// named, the human to move. Laying the human's first card, the eight of
// diamonds, is legal and hands the computer the turn; the computer answers
// it with a lay.
inline constexpr std::string_view kMidGame =
    "human=8d,9d,Td,Qd,Kd,8s,9s,Ts,Qs,Ks,8h,9h,Th,Qh "
    "computer=Kh,8c,9c,Tc,Qc,Kc,Ac,Jc,7h,7c,Jh,Ah,As,Js "
    "stock=Jd,Ad,7s,7d top=7d prev=7s suit=d raised=d played=9 due=1/0 turn=human pick=no "
    "game=on";

} // namespace kolvar::bench
