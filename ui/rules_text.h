// The rules of the game as the rules window shows them: one string of 512
// characters in two paragraphs, the first opening with four spaces and six
// spaces between them; the window wraps the words itself.
#pragma once

#include <string_view>

namespace kolvar {

inline constexpr std::string_view kRulesText =
    "    Scopul jocului este decartarea tuturor cartilor. La aparitia unui as "
    "adversarul sta o data, iar la aparitia unui 12 adversarul trebuie sa ridice "
    "ptr fiecare 12 acoperit fara intrerupere doua carti si plus una in final."
    "      Aparitia unui 7 da posibilitatea celui care l-a decartat sa schimbe "
    "culoarea curenta. O carte poate fi decartata daca are culoarea curenta sau "
    "daca are acelasi numar cu ultima carte decartata. Un 7 poate fi decartat "
    "oricand. Daca un jucator nu poate decarta trebuie sa ridice o carte.";

} // namespace kolvar
