// Mapping key presses to play keys.
#include "view/play_keys.h"

#include <QKeyEvent>

namespace kolvar {

std::optional<PlayKey> PlayKeyFor(const QKeyEvent& event)
{
    if (event.modifiers() & (Qt::ControlModifier | Qt::AltModifier | Qt::MetaModifier))
        return std::nullopt;
    switch (event.key()) {
    case Qt::Key_Left:
        return PlayKey{TableKey::Previous};
    case Qt::Key_Right:
        return PlayKey{TableKey::Next};
    case Qt::Key_Home:
        return PlayKey{TableKey::First};
    case Qt::Key_End:
        return PlayKey{TableKey::Last};
    case Qt::Key_Return:
    case Qt::Key_Enter:
    case Qt::Key_Space:
        return PlayKey{TableKey::Lay};
    case Qt::Key_Down:
    case Qt::Key_T:
        return PlayKey{TableKey::Take};
    case Qt::Key_H:
        return PlayKey{TableKey::Hint};
    case Qt::Key_1:
    case Qt::Key_2:
    case Qt::Key_3:
    case Qt::Key_4:
        return PlayKey{TableKey::Suit, static_cast<int16_t>(event.key() - Qt::Key_1)};
    default:
        return std::nullopt;
    }
}

} // namespace kolvar
