// Mouse-downs on the main window's table as the window hands them to the
// rules: in table pixels, in the middle of what the player clicks.
#pragma once

#include "game/layout.h"
#include "view/form1.h"

namespace kolvar::testing {

inline void ClickWindowCard(Form1& w, int i, Qt::MouseButton button = Qt::LeftButton)
{
    const TableRect strip = HandStrip(w.geometry(), w.table().HumanCount, i);
    w.Form_MouseDown(button, {}, strip.x + strip.width / 2, strip.y + strip.height / 2);
}

inline void ClickWindowStock(Form1& w, Qt::MouseButton button = Qt::LeftButton)
{
    const TableRect stock = StockRect(w.geometry());
    w.Form_MouseDown(button, {}, stock.x + stock.width / 2, stock.y + stock.height / 2);
}

} // namespace kolvar::testing
