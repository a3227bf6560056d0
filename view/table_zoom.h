// The table's zoom. The rules lay the table out in its own pixels, for a
// table designed about 1000 x 700; on a larger screen the window shows it z
// times larger, z chosen once at load from the client area, so that the
// cards fill the screen as they fill the designed table. Only the drawing and
// the conversion of mouse positions know z: with the window's device pixel
// ratio it makes the drawing scale s = z x ratio, the device pixels per
// table pixel.
#pragma once

#include <optional>

namespace kolvar {

// The zooms the game chooses from, smallest first.
inline constexpr double kZooms[] = {1, 1.25, 1.5, 1.75, 2, 2.5, 3, 4};

// The designed table: 1000 pixels wide, and its human row ends 650 down.
inline constexpr int kDesignedWidth = 1000;
inline constexpr int kDesignedHeight = 650;

// The largest zoom of kZooms at which the client area, in the window's
// logical pixels, divided by the zoom still holds the designed table; 1 when
// not even the smallest does.
double ChooseZoom(int clientWidth, int clientHeight);

// The zoom that KOLVAR_ZOOM asks for: a number from 1 to 4 (below 1 counts
// as 1, above 4 as 4). Nothing when it is unset, empty or not a number.
std::optional<double> ZoomOverride(const char* text);

// The table's width or height in its own whole pixels, for a client area
// `clientPixels` logical pixels long at zoom z.
int TablePixels(int clientPixels, double zoom);

// Where the table lands on the device: table pixels times s.
struct TableScale {
    double zoom = 1;
    double ratio = 1; // device pixels per logical pixel of the window

    double s() const { return zoom * ratio; }
    // The device pixel nearest to a table position.
    int toDevice(int tablePosition) const;
    // A table position in the window's logical pixels: z times, rounded.
    int toLogical(int tablePosition) const;
};

} // namespace kolvar
