// kolvar_zoom_probe: opens the main window on the screen Qt is given (the
// offscreen platform, sized by its configuration file, at QT_SCALE_FACTOR),
// deals, and prints one line: the zoom the table took, the window's device
// pixel ratio, the table's own size, the table image's size, and the rows
// and columns the dealt hand covers on it, read from its pixels left of the
// suit buttons.
//
//   zoom Z ratio R table W H image W H hand TOP BOTTOM LEFT RIGHT
#include "view/form1.h"

#include "platform/picture_box.h"

#include <QApplication>
#include <QTest>
#include <cstdio>
#include <string>

namespace {

// Whether row y shows only the table up to column `end`; else the first and
// last column that do not.
bool tableRow(const QImage& image, int y, int end, int& left, int& right)
{
    left = -1;
    for (int x = 0; x < end; ++x)
        if ((image.pixel(x, y) & 0xffffff) != kolvar::kTableRgb) {
            right = x;
            left = left < 0 ? x : left;
        }
    return left < 0;
}

} // namespace

int main(int argc, char** argv)
{
    QApplication app(argc, argv);
    std::string said;
    kolvar::LaunchSettings settings = kolvar::ReadLaunchSettings(said); // KOLVAR_ZOOM
    settings.motion = false;
    kolvar::Form1 w(settings);
    w.probe().options.OptSound = false;
    w.show();
    if (!QTest::qWaitForWindowExposed(&w))
        return 1;
    w.JocNou_Click();
    const QImage seen = w.probe().surface.grab().toImage().convertToFormat(QImage::Format_RGB32);
    const kolvar::TableScale& scale = w.probe().scale;
    const int end = static_cast<int>(w.probe().suitButton(0).x() * scale.ratio);

    // The hand is the lowest band of rows with something on the table.
    int bottom = seen.height() - 1, top = 0, left = 0, right = 0, l = 0, r = 0;
    while (bottom > 0 && tableRow(seen, bottom, end, l, r))
        --bottom;
    for (top = bottom; top > 0 && !tableRow(seen, top - 1, end, l, r); --top)
        ;
    tableRow(seen, bottom, end, left, right);
    std::printf("zoom %g ratio %g table %d %d image %d %d hand %d %d %d %d\n", scale.zoom,
                scale.ratio, kolvar::TablePixels(w.probe().surface.width(), scale.zoom),
                kolvar::TablePixels(w.probe().surface.height(), scale.zoom), seen.width(),
                seen.height(), top, bottom, left, right);
    return 0;
}
