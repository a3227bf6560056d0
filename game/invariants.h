// One checker for every rule that the state of the table must keep, whatever
// sequence of moves led to it. It names the first rule broken, so a failing
// test or soak run says what went wrong and where.
#pragma once

#include "game/table.h"

#include <string>

namespace kolvar {

// An empty result means the table is sound; otherwise it says what is wrong.
std::string CheckInvariants(const Table& t);

// A broken rule stops the program at once, saying on standard error which
// rule and on which table, so that a long unattended run finds the first
// fault.
void StopOnBrokenRule(const Table& t);

} // namespace kolvar
