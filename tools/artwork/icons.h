// The program's icon: two fanned cards, a red heart and a black spade.
#pragma once

#include <QImage>

namespace artwork
{

// The icon at `size` x `size` pixels (16, 32 or 256), with a transparent
// background. Each size is drawn for itself rather than shrunk from a larger
// one, so the small icons keep sharp edges.
QImage renderIcon(int size);

} // namespace artwork
