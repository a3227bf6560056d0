// Block and stretched copies between images. Both are plain source copies:
// every pixel written is a pixel of the source, never a blend, so the table
// shows the card sheet's pixels exactly. Positions and sizes are in the
// images' own pixels, also for an image of high pixel density (a device
// pixel ratio above 1). Pixels outside the target are clipped.
#pragma once

#include <QImage>

namespace kolvar {

void BitBlt(QImage& target, int x, int y, int width, int height, const QImage& source, int sourceX,
            int sourceY);

// Scales by nearest neighbour, so each target pixel is one source pixel.
void StretchBlt(QImage& target, int x, int y, int width, int height, const QImage& source,
                int sourceX, int sourceY, int sourceWidth, int sourceHeight);

} // namespace kolvar
