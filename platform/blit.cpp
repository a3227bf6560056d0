// Plain source copies with QPainter.
#include "platform/blit.h"

#include <QPainter>

namespace kolvar {

void BitBlt(QImage& target, int x, int y, int width, int height, const QImage& source, int sourceX,
            int sourceY)
{
    QPainter p(&target);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QPoint(x, y), source, QRect(sourceX, sourceY, width, height));
}

void StretchBlt(QImage& target, int x, int y, int width, int height, const QImage& source,
                int sourceX, int sourceY, int sourceWidth, int sourceHeight)
{
    QPainter p(&target);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QRect(x, y, width, height), source,
                QRect(sourceX, sourceY, sourceWidth, sourceHeight));
}

} // namespace kolvar
