// Two tables on which cards move, for the tests and benchmarks of the
// motion: the human lays one card, the computer takes five.
#pragma once

namespace kolvar::testing {

// The human may lay his nine of diamonds (card 1) on the seven.
inline constexpr const char* kHumanToLay =
    "human=8d,9d,Kd,8s computer=Kh,8c,9c top=7d prev=7s suit=d raised=d played=9 due=1/0 "
    "turn=human pick=no game=on";

// The computer owes five cards for two jacks and holds none to answer.
inline constexpr const char* kComputerOwesFive =
    "human=8d,9d,Kd computer=Kh,8c top=Jd prev=Js suit=d raised=d played=9 due=0/5 "
    "turn=computer pick=no game=on";

} // namespace kolvar::testing
