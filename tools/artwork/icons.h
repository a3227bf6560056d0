// The program's icon: two fanned cards, a red heart and a black spade.
#pragma once

#include <QByteArray>
#include <QImage>

namespace kolvar::artwork {

// The sizes of the icon theme's fixed-size icons.
inline constexpr int kIconSizes[] = {16, 22, 24, 32, 48, 64, 128, 256};

// The icon at `size` x `size` pixels, with a transparent background. Each
// size is drawn for itself rather than shrunk from a larger one, so the small
// icons keep sharp edges.
QImage renderIcon(int size);

// The large icon's drawing as an SVG document, for the scalable icon.
QByteArray renderScalableIcon();

} // namespace kolvar::artwork
