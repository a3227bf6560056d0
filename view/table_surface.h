// The table widget: the main window's client area under the menu bar, its
// persistent image of the table, the cards in flight painted over it, and
// the four suit buttons standing on it.
// Whenever the area it has changes (a resize, another screen, another pixel
// density) it says so, and the window lays the table out again; the
// accessible table reads what it shows through its view.
#pragma once

#include "artwork/suit_faces.h"
#include "platform/picture_box.h"
#include "platform/picture_button.h"
#include "ui/table_colour.h"
#include "view/table_view.h"

#include <QColor>
#include <array>
#include <functional>

namespace kolvar {

inline const QColor kTableColour = QColor::fromRgb(kTableRgb);

// A suit button on the table: the suit's face in a frame of two rings, each
// a table pixel wide.
inline constexpr int kSuitButtonRings = 2;
inline constexpr int kSuitButtonWidth = artwork::kSuitFaceWidth + 2 * kSuitButtonRings;
inline constexpr int kSuitButtonHeight = artwork::kSuitFaceHeight + 2 * kSuitButtonRings;

class TableSurface : public PictureBox {
    Q_OBJECT
public:
    TableSurface(QWidget* parent, const TableView& view);

    const TableView& view() const { return view_; }
    // Picture4 .. Picture7, by suit.
    PictureButton& suitButton(int suit) const { return *suitButtons_.at(suit); }

    // What is painted over the table's image: the cards in flight.
    using Overlay = std::function<void(QPainter& p, QPoint origin, const QRect& area)>;
    void setOverlay(Overlay overlay) { overlay_ = std::move(overlay); }

signals:
    // The size, the screen or the pixel density changed.
    void areaChanged();

protected:
    void resizeEvent(QResizeEvent* event) override;
    bool event(QEvent* event) override;
    void paintOver(QPainter& p, QPoint origin, const QRect& area) override;

private:
    Overlay overlay_;
    const TableView& view_;
    std::array<PictureButton*, kSuitCount> suitButtons_{};
};

} // namespace kolvar
