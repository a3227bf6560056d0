// The table widget and its suit buttons.
#include "view/table_surface.h"

#include "ui/texts.h"

#include <QEvent>
#include <cmath>

namespace kolvar {

TableSurface::TableSurface(QWidget* parent, const TableView& view)
    : PictureBox(parent, QSize(), kTableColour), view_(view)
{
    // The table takes the keyboard, so that the play keys reach the game.
    setFocusPolicy(Qt::StrongFocus);
    // The smallest area the table is whole on: the designed table at the
    // smallest zoom.
    setMinimumSize(static_cast<int>(std::ceil(kDesignedWidth * kSmallestZoom)),
                   static_cast<int>(std::ceil(kDesignedHeight * kSmallestZoom)));
    for (int s = 0; s < kSuitCount; ++s) {
        auto* button = new PictureButton(this, kTableColour);
        button->setObjectName(QString("Picture%1").arg(4 + s));
        button->setCursor(Qt::PointingHandCursor);
        button->setFadedWhenFlat(true);
        // What a screen reader calls the button, the suit as the rules name it.
        button->setAccessibleName(Texts::suitName(static_cast<int16_t>(s)));
        // A screen reader may also toggle a checkable button, which flips its
        // check without a click. The rules name the suit, so a check the
        // table does not hold is taken as a click: the window then shows the
        // suit the rules chose.
        connect(button, &QAbstractButton::toggled, this, [this, button, s](bool checked) {
            if (checked != (view_.table.RaisedSuit == s))
                button->click();
        });
        suitButtons_[s] = button;
    }
}

void TableSurface::resizeEvent(QResizeEvent* event)
{
    PictureBox::resizeEvent(event);
    emit areaChanged();
}

void TableSurface::paintOver(QPainter& p, QPoint origin, const QRect& area)
{
    if (overlay_)
        overlay_(p, origin, area);
}

// A move to another screen may bring another pixel density.
bool TableSurface::event(QEvent* event)
{
    if (event->type() == QEvent::ScreenChangeInternal)
        emit areaChanged();
    return PictureBox::event(event);
}

} // namespace kolvar
