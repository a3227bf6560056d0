// Plain source copies. A block copy between two images of the same 32-bit
// format whose source rectangle lies wholly inside the source is a copy of
// pixel rows, clipped to the target; every other copy, and every stretched
// copy, is drawn with QPainter in source mode, which gives the same pixels.
#include "platform/blit.h"

#include <QPainter>

#include <cstring>

namespace kolvar {
namespace {

// Formats whose pixels QPainter's source mode copies unchanged between two
// images of that format.
bool rowCopyFormat(QImage::Format f)
{
    return f == QImage::Format_RGB32 || f == QImage::Format_ARGB32_Premultiplied;
}

bool copyRows(QImage& target, int x, int y, int width, int height, const QImage& source,
              int sourceX, int sourceY)
{
    if (target.format() != source.format() || !rowCopyFormat(target.format()))
        return false;
    if (width <= 0 || height <= 0 ||
        !source.rect().contains(QRect(sourceX, sourceY, width, height)))
        return false;
    if (&target == &source)
        return false;
    const QRect to = QRect(x, y, width, height) & target.rect();
    if (to.isEmpty())
        return true;
    // Taking the target's pixels first detaches it from a source it shares them with.
    uchar* into = target.bits() + to.y() * target.bytesPerLine() + to.x() * sizeof(QRgb);
    const uchar* from = source.constBits() + (sourceY + to.y() - y) * source.bytesPerLine() +
                        (sourceX + to.x() - x) * sizeof(QRgb);
    const size_t bytes = static_cast<size_t>(to.width()) * sizeof(QRgb);
    const qsizetype intoStride = target.bytesPerLine(), fromStride = source.bytesPerLine();
    for (int row = 0; row < to.height(); ++row) {
        std::memcpy(into, from, bytes);
        into += intoStride;
        from += fromStride;
    }
    return true;
}

// A painter on an image of high pixel density works in the image's own
// pixels all the same.
void inPixels(QPainter& p, const QImage& target)
{
    const qreal ratio = target.devicePixelRatio();
    if (ratio != 1)
        p.scale(1 / ratio, 1 / ratio);
}

} // namespace

void BitBlt(QImage& target, int x, int y, int width, int height, const QImage& source, int sourceX,
            int sourceY)
{
    if (copyRows(target, x, y, width, height, source, sourceX, sourceY))
        return;
    QPainter p(&target);
    inPixels(p, target);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.drawImage(QRectF(x, y, width, height), source, QRectF(sourceX, sourceY, width, height));
}

void StretchBlt(QImage& target, int x, int y, int width, int height, const QImage& source,
                int sourceX, int sourceY, int sourceWidth, int sourceHeight)
{
    QPainter p(&target);
    inPixels(p, target);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    p.drawImage(QRect(x, y, width, height), source,
                QRect(sourceX, sourceY, sourceWidth, sourceHeight));
}

} // namespace kolvar
