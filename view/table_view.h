// What the table shows, read-only: the game, the cards drawn at rest (the
// game's, but for cards still in flight), where they lie, the card the play
// keys act on, and the scale the table is drawn at. The main window owns
// them; the drawing and the accessible table read them through this view
// and change none of them.
#pragma once

#include "game/layout.h"
#include "game/table.h"
#include "human/table_keys.h"
#include "view/table_zoom.h"

namespace kolvar {

struct TableView {
    const Table& table;
    const Table& drawn;
    const TableGeometry& geometry;
    const HandSelection& selection;
    const TableScale& scale;

    // The card the keys act on, while its outline is shown; else -1. A move
    // drawn before the keys have kept the selection in the hand shows it
    // where they will keep it.
    int selectedCard() const
    {
        return selection.shown && table.GameInProgress && !selection.onStock && table.HumanCount > 0
                   ? SelectedInHand(selection, table)
                   : -1;
    }
    // Whether the outline is on the stock, where a hint to take put it.
    bool stockSelected() const
    {
        return selection.shown && table.GameInProgress && selection.onStock;
    }
    // Where the outline is: a card of the hand, kHandCapacity for the stock,
    // or -1 for nowhere.
    int outlined() const { return stockSelected() ? kHandCapacity : selectedCard(); }
};

} // namespace kolvar
