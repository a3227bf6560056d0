// How the computer plays: "Clasic", by its ladder of preferences, as it always
// has; "Expert", by searching the deals it cannot tell from the real one.
#pragma once

namespace kolvar {

enum class ComputerLevel { Clasic, Expert };

} // namespace kolvar
