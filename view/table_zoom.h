// The table's zoom. The rules lay the table out in its own pixels, for a
// table designed 1000 x 650; the window shows it z times larger, z chosen
// from the client area it has, so that the cards fill the window as they
// fill the designed table. Only the drawing and the conversion of mouse
// positions know z: with the window's device pixel ratio it makes the
// drawing scale s = z x ratio, the device pixels per table pixel.
#pragma once

#include "game/layout.h"

#include <QRect>
#include <QSize>
#include <optional>

namespace kolvar {

// The designed table, in table pixels: its human row lies 500 to 600 down.
inline constexpr int kDesignedWidth = 1000;
inline constexpr int kDesignedHeight = 650;

// The zooms the window may take: at the smallest the designed table fills a
// 500 x 325 client area, the window's minimum.
inline constexpr double kSmallestZoom = 0.5;
inline constexpr double kLargestZoom = 4;

// The zoom at which the designed table just fills the client area (in the
// window's logical pixels) in one direction and fits in the other, kept
// between the smallest and the largest zoom.
double ChooseZoom(int clientWidth, int clientHeight);

// The zoom that KOLVAR_ZOOM asks for: a number, kept between the smallest and
// the largest zoom. Nothing when it is unset, empty or not a number.
std::optional<double> ZoomOverride(const char* text);

// The table's width or height in its own whole pixels, for a client area
// `clientPixels` logical pixels long at zoom z.
int TablePixels(int clientPixels, double zoom);

// Where the table lands on the device, and back. Table pixel p is drawn on
// the device pixels from round(p s) up to round((p + 1) s), round taking
// half-way values up; a device pixel belongs to the table pixel whose span
// holds it.
struct TableScale {
    double zoom = 1;
    double ratio = 1; // device pixels per logical pixel of the window

    double s() const { return zoom * ratio; }
    // The first device pixel of a table position.
    int toDevice(int tablePosition) const;
    // The table pixel a device pixel shows.
    int toTable(int devicePixel) const;
    // A table position in the window's logical pixels: z times, rounded.
    int toLogical(int tablePosition) const;
    // The device pixels a card at the table position (x, y) is drawn on:
    // from where the position lands, one card of the art at s large.
    QRect cardRect(int x, int y) const;

    bool operator==(const TableScale&) const = default;
};

// The table fitted to a client area of `client` logical pixels at `ratio`
// device pixels each: the zoom (KOLVAR_ZOOM's, or the fitted one), the
// table's own size and where its cards lie.
struct TableFit {
    TableScale scale;
    QSize table; // in table pixels
    TableGeometry geometry;
};
TableFit FitTable(QSize client, double ratio, std::optional<double> zoom);

} // namespace kolvar
