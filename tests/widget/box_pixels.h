// A message box read from its pixels, as the player sees it: the buttons in
// its lowest row, whether an icon shows, and the size of a button's caption.
#pragma once

#include "drawn.h"

#include <QFont>
#include <QPainter>

namespace kolvar::testing {

struct BoxPixels {
    std::vector<QRect> buttons;
    bool iconShown = false;
    QSize captionInk; // the first button's caption
};

// The size of the ink of a line of text.
inline QSize InkSize(const std::vector<InkBand>& ink)
{
    return ink.size() == 1 ? QSize(ink[0].right - ink[0].left + 1, ink[0].bottom - ink[0].top + 1)
                           : QSize();
}

// The buttons stand in the box's lowest row of things drawn; each is a run
// of columns with something drawn on the box's background.
inline std::vector<QRect> ButtonsIn(const QImage& shot, QRgb background)
{
    const auto drawn = [background](QRgb p) { return p != background; };
    const std::vector<InkBand> rows = InkBands(shot, shot.rect(), drawn);
    if (rows.empty())
        return {};
    const QRect row(0, rows.back().top, 1, rows.back().bottom - rows.back().top + 1);
    std::vector<QRect> buttons;
    bool inButton = false;
    for (int x = 0; x < shot.width(); ++x) {
        const bool any = CountPixels(shot, row.translated(x, 0), drawn) > 0;
        if (any && !inButton)
            buttons.push_back(row.translated(x, 0));
        else if (any)
            buttons.back().setRight(x);
        inButton = any;
    }
    return buttons;
}

// An icon would show in colour above the buttons, where the text is grey.
inline BoxPixels ReadBox(const QImage& shot)
{
    BoxPixels box;
    box.buttons = ButtonsIn(shot, shot.pixel(0, 0));
    if (box.buttons.empty())
        return box;
    const QRect above(0, 0, shot.width(), box.buttons.front().top());
    box.iconShown = CountPixels(shot, above, [](QRgb p) { return !IsGrey(p); }) > 0;
    box.captionInk = InkSize(InkBands(shot, box.buttons.front().adjusted(3, 3, -3, -3), IsDark));
    return box;
}

// The size of the ink of a caption drawn in `font`, read as a button's is.
inline QSize InkOf(const QString& caption, const QFont& font)
{
    QImage image(200, 80, QImage::Format_RGB32);
    image.fill(Qt::white);
    QPainter painter(&image);
    painter.setFont(font);
    painter.setPen(Qt::black);
    painter.drawText(20, 50, caption);
    painter.end();
    return InkSize(InkBands(image, image.rect(), IsDark));
}

} // namespace kolvar::testing
