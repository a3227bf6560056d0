// The About box.
#pragma once

#include <QString>

class QWidget;

namespace kolvar {

inline constexpr const char* kAboutTitle = "Kolvar v.01";
// The credit line: who made the game and how to reach them.
inline constexpr const char* kAboutText =
    "Kolvar - a card game by the Kolvar developers. Tel: +40 000 000 000, "
    "e-mail: kolvar@example.org";

void ShowAbout(QWidget* parent);

} // namespace kolvar
