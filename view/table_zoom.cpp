// Choosing the zoom, and the rounding of table positions onto the screen:
// to the nearest pixel, half-way values going right and down.
#include "view/table_zoom.h"

#include "artwork/pixel_grid.h"

#include <algorithm>
#include <charconv>
#include <cmath>
#include <string_view>

namespace kolvar {
namespace {

double clampZoom(double z)
{
    return std::clamp(z, kSmallestZoom, kLargestZoom);
}

} // namespace

double ChooseZoom(int clientWidth, int clientHeight)
{
    return clampZoom(std::min(static_cast<double>(clientWidth) / kDesignedWidth,
                              static_cast<double>(clientHeight) / kDesignedHeight));
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
    return clampZoom(z);
}

// A client exactly z times the designed table holds it whole, whatever the
// last bit of the division says.
int TablePixels(int clientPixels, double zoom)
{
    return static_cast<int>(std::floor(clientPixels / zoom + 1e-9));
}

int TableScale::toDevice(int tablePosition) const
{
    return artwork::nearestPixel(tablePosition * s());
}

int TableScale::toTable(int devicePixel) const
{
    int p = static_cast<int>(std::floor((devicePixel + 0.5) / s()));
    while (toDevice(p) > devicePixel)
        --p;
    while (toDevice(p + 1) <= devicePixel)
        ++p;
    return p;
}

int TableScale::toLogical(int tablePosition) const
{
    return artwork::nearestPixel(tablePosition * zoom);
}

QRect TableScale::cardRect(int x, int y) const
{
    return QRect(QPoint(toDevice(x), toDevice(y)), artwork::cardSize(s()));
}

TableFit FitTable(QSize client, double ratio, std::optional<double> zoom)
{
    TableFit fit;
    fit.scale = {zoom.value_or(ChooseZoom(client.width(), client.height())), ratio};
    fit.table = QSize(TablePixels(client.width(), fit.scale.zoom),
                      TablePixels(client.height(), fit.scale.zoom));
    fit.geometry = LayOutTable(fit.table.width(), fit.table.height());
    return fit;
}

} // namespace kolvar
