// The block and stretched copies give exactly the pixels that QPainter gives
// for the same copy in source mode, for random rectangles: inside the
// images, across their edges, off them, and in an image format of another
// kind. QPainter is the reference because the game's pictures have always
// been drawn with it.
#include "platform/blit.h"
#include "split_mix.h"

#include <QPainter>

#include <gtest/gtest.h>

namespace kolvar::testing {
namespace {

QImage noise(QSize size, QImage::Format format, SplitMix& rng)
{
    QImage image(size, QImage::Format_RGB32);
    for (int y = 0; y < size.height(); ++y) {
        auto* row = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < size.width(); ++x)
            row[x] = 0xff000000u | static_cast<QRgb>(rng.next() & 0xffffff);
    }
    return image.convertToFormat(format);
}

void referenceCopy(QImage& target, QRect to, const QImage& source, QRect from)
{
    QPainter p(&target);
    p.setCompositionMode(QPainter::CompositionMode_Source);
    p.setRenderHint(QPainter::SmoothPixmapTransform, false);
    if (to.size() == from.size())
        p.drawImage(to.topLeft(), source, from);
    else
        p.drawImage(to, source, from);
}

// A rectangle of the given size placed anywhere from `slack` pixels before
// an edge of `bounds` to `slack` pixels past the other.
QRect around(QSize bounds, QSize size, int slack, SplitMix& rng)
{
    const int x = rng.below(bounds.width() + 2 * slack) - slack;
    const int y = rng.below(bounds.height() + 2 * slack) - slack;
    return QRect(QPoint(x, y), size);
}

struct Case {
    QRect to, from;
    bool stretched;
};

::testing::AssertionResult sameAsReference(const QImage& target, const QImage& source, Case c)
{
    QImage expected = target.copy(), actual = target.copy();
    referenceCopy(expected, c.to, source, c.from);
    if (c.stretched)
        StretchBlt(actual, c.to.x(), c.to.y(), c.to.width(), c.to.height(), source, c.from.x(),
                   c.from.y(), c.from.width(), c.from.height());
    else
        BitBlt(actual, c.to.x(), c.to.y(), c.to.width(), c.to.height(), source, c.from.x(),
               c.from.y());
    if (actual == expected)
        return ::testing::AssertionSuccess();
    for (int y = 0; y < target.height(); ++y)
        for (int x = 0; x < target.width(); ++x)
            if (actual.pixel(x, y) != expected.pixel(x, y))
                return ::testing::AssertionFailure()
                       << (c.stretched ? "stretch" : "copy") << " from (" << c.from.x() << ","
                       << c.from.y() << " " << c.from.width() << "x" << c.from.height() << ") to ("
                       << c.to.x() << "," << c.to.y() << " " << c.to.width() << "x" << c.to.height()
                       << "): first difference at (" << x << "," << y << ")";
    return ::testing::AssertionFailure() << "the images differ in something but their pixels";
}

class Copies : public ::testing::TestWithParam<QImage::Format> {};

TEST_P(Copies, BlockCopiesMatchQPainterInsideAcrossAndOffTheEdges)
{
    SplitMix rng(7);
    const QImage source = noise({130, 90}, GetParam(), rng);
    const QImage target = noise({200, 150}, GetParam(), rng);
    for (int n = 0; n < 400; ++n) {
        const QSize size(1 + rng.below(90), 1 + rng.below(70));
        // Mostly source rectangles that lie inside the source, as the game's
        // do; some run over its edges.
        const int slack = n % 4 == 0 ? 20 : 0;
        QRect from = around(source.size() - (slack ? QSize() : size), size, slack, rng);
        Case c{around(target.size(), size, 80, rng), from, false};
        ASSERT_TRUE(sameAsReference(target, source, c)) << "case " << n;
    }
}

TEST_P(Copies, StretchedCopiesMatchQPainterInsideAcrossAndOffTheEdges)
{
    SplitMix rng(11);
    const QImage source = noise({70, 96}, GetParam(), rng);
    const QImage target = noise({240, 180}, GetParam(), rng);
    const QRect cardBack(0, 0, 70, 96);
    for (int n = 0; n < 400; ++n) {
        // Half the cases are the game's own: the whole back to a card's size.
        const QRect from =
            n % 2 ? cardBack
                  : QRect(rng.below(40), rng.below(50), 1 + rng.below(30), 1 + rng.below(46));
        const QSize size = n % 2 ? QSize(70, 100) : QSize(1 + rng.below(150), 1 + rng.below(150));
        Case c{around(target.size(), size, 110, rng), from, true};
        ASSERT_TRUE(sameAsReference(target, source, c)) << "case " << n;
    }
}

INSTANTIATE_TEST_SUITE_P(Formats, Copies,
                         ::testing::Values(QImage::Format_RGB32,
                                           QImage::Format_ARGB32_Premultiplied));

} // namespace
} // namespace kolvar::testing
