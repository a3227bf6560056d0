// Writes the outlines of the rank letters as C++ source (artwork/rank_letters.cpp).
#pragma once

#include <QByteArray>

namespace kolvar::artwork {

// The source of artwork/rank_letters.cpp, read from DejaVu Serif Bold; empty
// when the font cannot be loaded.
QByteArray rankOutlinesSource();

} // namespace kolvar::artwork
