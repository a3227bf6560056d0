// Choosing the zoom, and the rounding of table positions onto the screen:
// to the nearest pixel, half-way values going right and down.
#include "view/table_zoom.h"

#include <charconv>
#include <cmath>
#include <string_view>

namespace kolvar {
namespace {

constexpr double kLargestZoom = 4;

int nearest(double v)
{
    return static_cast<int>(std::floor(v + 0.5));
}

} // namespace

double ChooseZoom(int clientWidth, int clientHeight)
{
    double chosen = kZooms[0];
    for (const double z : kZooms)
        if (clientWidth >= kDesignedWidth * z && clientHeight >= kDesignedHeight * z)
            chosen = z;
    return chosen;
}

std::optional<double> ZoomOverride(const char* text)
{
    if (!text)
        return std::nullopt;
    // A point for the decimals, whatever the desktop's language.
    const std::string_view digits(text);
    double z = 0;
    const auto [end, error] = std::from_chars(digits.data(), digits.data() + digits.size(), z);
    if (digits.empty() || error != std::errc() || end != digits.data() + digits.size() ||
        std::isnan(z))
        return std::nullopt;
    return z < 1 ? 1 : z > kLargestZoom ? kLargestZoom : z;
}

int TablePixels(int clientPixels, double zoom)
{
    return static_cast<int>(std::floor(clientPixels / zoom));
}

int TableScale::toDevice(int tablePosition) const
{
    return nearest(tablePosition * s());
}

int TableScale::toLogical(int tablePosition) const
{
    return nearest(tablePosition * zoom);
}

} // namespace kolvar
