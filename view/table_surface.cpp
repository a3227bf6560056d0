// The table widget and its suit buttons.
#include "view/table_surface.h"

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
        suitButtons_[s] = button;
    }
}

int TableSurface::suitOf(const QObject* button) const
{
    for (int s = 0; s < kSuitCount; ++s)
        if (suitButtons_[s] == button)
            return s;
    return -1;
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
