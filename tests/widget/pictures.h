// The game's pictures for the widget tests, and pixel comparisons on them.
#pragma once

#include "artwork/card_back.h"
#include "artwork/card_face.h"
#include "artwork/pixel_grid.h"
#include "game/card.h"
#include "game/table.h"
#include "view/card_rendering.h"

#include <QImage>
#include <QRect>
#include <cmath>
#include <gtest/gtest.h>
#include <map>

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
    return sheet().copy(kCardWidth * artwork::SheetColumn(rank), kCardHeight * suit, kCardWidth,
                        kCardHeight);
}

// The generator's sheet at a scale, as kolvar-artwork writes it (drawn once
// per scale and kept).
inline const QImage& generatedSheet(double scale)
{
    static std::map<double, QImage> sheets;
    QImage& sheet = sheets[scale];
    if (sheet.isNull())
        sheet = artwork::renderCardSheet(scale);
    return sheet;
}

// The generator's face of a card at a scale: its cell of the sheet.
inline QImage generatedCell(int16_t rank, int16_t suit, double scale)
{
    const QSize card = artwork::cardSize(scale);
    return generatedSheet(scale).copy(
        QRect(QPoint(card.width() * artwork::SheetColumn(rank), card.height() * suit), card));
}

// Where a table position lands on the device at scale s: the nearest pixel.
inline int OnDevice(int tablePosition, double scale)
{
    return static_cast<int>(std::floor(tablePosition * scale + 0.5));
}
inline QPoint OnDevice(QPoint tablePosition, double scale)
{
    return {OnDevice(tablePosition.x(), scale), OnDevice(tablePosition.y(), scale)};
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
