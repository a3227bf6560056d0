// What a window looks like, read from its pixels: the look tests check what
// the player sees, never the colour or flag that the code set.
#pragma once

#include <QImage>
#include <QRegion>
#include <QWidget>
#include <algorithm>
#include <cstdio>
#include <functional>
#include <gtest/gtest.h>
#include <string>
#include <vector>

namespace kolvar::testing {

// A widget as it is drawn on screen, its children included.
inline QImage Drawn(QWidget& widget)
{
    return widget.grab().toImage().convertToFormat(QImage::Format_RGB32);
}

inline std::string RgbText(QRgb p)
{
    char text[32];
    std::snprintf(text, sizeof text, "(%d, %d, %d)", qRed(p), qGreen(p), qBlue(p));
    return text;
}

using PixelTest = std::function<bool(QRgb)>;

inline PixelTest Is(QColor colour)
{
    return [rgb = colour.rgb()](QRgb p) { return (p | 0xff000000u) == rgb; };
}

// Text drawn in a dark colour over `panel`, smoothed at its edges, never
// lighter than the panel in any channel.
inline PixelTest IsPanelOrInk(QColor panel)
{
    return [panel](QRgb p) {
        return qRed(p) <= panel.red() && qGreen(p) <= panel.green() && qBlue(p) <= panel.blue();
    };
}

inline bool IsDark(QRgb p)
{
    return qGray(p) < 96;
}

// Grey, as text and frames are; a picture in colour is not.
inline bool IsGrey(QRgb p)
{
    const int hi = std::max({qRed(p), qGreen(p), qBlue(p)});
    const int lo = std::min({qRed(p), qGreen(p), qBlue(p)});
    return hi - lo <= 24;
}

// Whether every pixel of `area` passes; otherwise the first that does not.
inline ::testing::AssertionResult EveryPixel(const QImage& image, const QRegion& area,
                                             const PixelTest& ok, const std::string& what)
{
    for (const QRect& r : area)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                if (!ok(image.pixel(x, y)))
                    return ::testing::AssertionFailure()
                           << "pixel (" << x << ", " << y << ") is " << RgbText(image.pixel(x, y))
                           << ", not " << what;
    return ::testing::AssertionSuccess();
}

inline int CountPixels(const QImage& image, const QRegion& area, const PixelTest& ok)
{
    int n = 0;
    for (const QRect& r : area)
        for (int y = r.top(); y <= r.bottom(); ++y)
            for (int x = r.left(); x <= r.right(); ++x)
                n += ok(image.pixel(x, y)) ? 1 : 0;
    return n;
}

// A run of rows of `area` with ink in them (a line of text, a button), and
// the columns its ink spans.
struct InkBand {
    int top, bottom, left, right;
};

inline std::vector<InkBand> InkBands(const QImage& image, QRect area, const PixelTest& isInk)
{
    std::vector<InkBand> bands;
    bool inBand = false;
    for (int y = area.top(); y <= area.bottom(); ++y) {
        int left = -1, right = -1;
        for (int x = area.left(); x <= area.right(); ++x)
            if (isInk(image.pixel(x, y))) {
                right = x;
                left = left < 0 ? x : left;
            }
        if (left < 0) {
            inBand = false;
            continue;
        }
        if (!inBand)
            bands.push_back({y, y, left, right});
        InkBand& b = bands.back();
        b = {b.top, y, std::min(b.left, left), std::max(b.right, right)};
        inBand = true;
    }
    return bands;
}

// The one-pixel ring just inside a rectangle's edges.
inline QRegion Edges(QRect r)
{
    return QRegion(r) - QRegion(r.adjusted(1, 1, -1, -1));
}

} // namespace kolvar::testing
