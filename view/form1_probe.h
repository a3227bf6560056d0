// What the tests and the benchmarks read and set of the main window, in one
// place: its game, the parts it is made of and the seam for its message
// boxes. The window's own interface is its handlers and the Host.
#pragma once

#include "game/layout.h"
#include "game/options.h"
#include "game/table.h"
#include "human/table_keys.h"
#include "view/table_zoom.h"

#include <QString>
#include <functional>

class QTimer;

namespace kolvar {

class CardRenderer;
class CuePlayer;
class Form2;
class Form3;
class PictureButton;
class TableSurface;

struct Form1Probe {
    Table& table;
    Options& options;
    const TableGeometry& geometry;
    const HandSelection& selection; // the card the play keys act on
    const TableScale& scale;
    TableSurface& surface;
    CardRenderer& renderer;
    QTimer& timer;
    CuePlayer& cuePlayer;
    Form2* optionsWindow; // while open
    Form3* rulesWindow;   // while open
    bool showsMotion;     // whether changes of the table move on screen now
    int redraws;          // the table's full redraws so far
    // Shows the modal message boxes instead, so that tests can answer them.
    std::function<void(const QString& text, const QString& title)>& presentMessage;

    PictureButton& suitButton(int suit) const; // Picture4 .. Picture7, by suit
};

} // namespace kolvar
