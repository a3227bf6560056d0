// The game's pictures for the widget tests, and pixel comparisons on them.
#pragma once

#include "game/card.h"
#include "game/table.h"
#include "view/card_rendering.h"

#include <QImage>
#include <QRect>
#include <gtest/gtest.h>

namespace kolvar::testing {

inline QImage sheet()
{
    return QImage(":/cards.png").convertToFormat(QImage::Format_RGB32);
}
inline QImage cardBack()
{
    return QImage(":/back.png").convertToFormat(QImage::Format_RGB32);
}

// The sheet's cell for a card.
inline QImage cell(int16_t rank, int16_t suit)
{
    return sheet().copy(kCardWidth * SheetColumn(rank), kCardHeight * suit, kCardWidth,
                        kCardHeight);
}

// Whether `area` of `image`, at `at`, holds exactly the pixels of `area` of `source`.
inline ::testing::AssertionResult SamePixels(const QImage& image, QPoint at, const QImage& source,
                                             QRect area)
{
    for (int y = area.top(); y <= area.bottom(); ++y)
        for (int x = area.left(); x <= area.right(); ++x) {
            const QPoint p = at + QPoint(x - area.left(), y - area.top());
            if (image.pixel(p) != source.pixel(x, y))
                return ::testing::AssertionFailure()
                       << "pixel (" << p.x() << "," << p.y() << ") is " << std::hex
                       << image.pixel(p) << ", the source's (" << std::dec << x << "," << y
                       << ") is " << std::hex << source.pixel(x, y);
        }
    return ::testing::AssertionSuccess();
}

} // namespace kolvar::testing
