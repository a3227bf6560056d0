// What a screen reader finds on the table, through Qt's accessibility (and
// AT-SPI on Linux): the human's hand as a list of its cards, named in the
// game's words, the selected card focused; the top card of the pile and the
// card under it; the number of cards in the computer's hand; the stock with
// the cards it holds. The four suit buttons are Qt's checkable buttons, which
// Qt itself tells as check boxes, checked when raised; the table names them
// after their suits (table_surface.cpp).
#pragma once

class QObject;
class QAccessibleInterface;

namespace kolvar {

class TableSurface;

// Makes every table widget accessible as above; once per program.
void InstallTableAccessibility();

// Raises the events that announce what changed on the table since the last
// call: a card laid or taken, the pile, the counts, the selected card.
void AnnounceTableChanges(TableSurface& surface);

// Raises the event that announces that the table's parts moved: the table
// was laid out again for a new size of its window.
void AnnounceTableMoved(TableSurface& surface);

} // namespace kolvar
