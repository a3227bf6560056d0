// A table written as one line of text, and read back.
//
// Cards are written as card_text.h writes them ("Td" the ten of diamonds,
// "Jc" the jack of clubs). A line is a list of key=value fields separated by
// spaces, in any order:
//
//   human=7d,Ks       the human hand, in order (empty: "human=")
//   computer=Jc,Ad    the computer hand, in order
//   stock=9h,Qd       the stock in draw order; a last entry "..." stands for
//                     every other card in neither hand, in built order, with
//                     the card under the top card and the top card last;
//                     "stock=..." is the default
//   ring=...          instead of stock: all 32 ring entries, with
//   draw=N discard=N  the two cursors (with stock=, draw= sets where the
//                     stock starts; it defaults to 0)
//   top=Kd prev=9d    the top card and the card under it
//   suit=h            CurrentSuit
//   raised=h|none     the suit button raised: the suit named (default none)
//   played=N          PlayedCount
//   laid=9d,Kd        LaidCards, the cards laid this game, in any order; by
//                     default the laid part of the stock (its last `played`
//                     cards)
//   shown-human=7d,8d/3;Jc/1   what each side's moves showed of its hand
//   shown-computer=...         (Table::Shown): notes, oldest first, each
//                     the cards it lacks and among how many of its cards
//   due=H/C           HumanDrawDue / ComputerDrawDue
//   turn=human|computer   whether ComputerToMove is set
//   pick=yes|no       SuitPickOpen
//   tick=N            LastMoveTick
//   game=on|off       whether a game is in progress
//   level=clasic|expert   the computer's level in this game
//
// FormatTable writes every field in the ring form, so a printed table reads
// back to the same state; the table geometry is not part of the line.
#pragma once

#include "game/card_text.h"
#include "game/table.h"

#include <string>
#include <string_view>

namespace kolvar {

std::string FormatTable(const Table& t);

// Overwrites every field of `into`. On a malformed
// line it returns false and says why in `error`.
bool ParseTable(std::string_view line, Table& into, std::string& error);

} // namespace kolvar
