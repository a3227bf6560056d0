// The rules window as it is drawn: the lines of its text, its frame, and
// whether a scroll bar shows.
#pragma once

#include "drawn.h"
#include "ui/form3.h"

#include <QTest>
#include <cmath>

namespace kolvar::testing {

// The rules window on screen: its text box's frame, the lines of text in it,
// and whether a scroll bar stands at the right edge.
struct RulesShown {
    explicit RulesShown(Form3& form)
    {
        form.show();
        EXPECT_TRUE(QTest::qWaitForWindowExposed(&form));
        shot = Drawn(form);
        const QRect inside = shot.rect().adjusted(1, 1, -1, -1);
        lines = InkBands(shot, inside, IsDark);
    }
    // The text box's frame: one colour all round the window's edge, with the
    // text box's white just inside it, above and left of the text.
    ::testing::AssertionResult framesTheWindow() const
    {
        const QRgb frame = shot.pixel(0, 0);
        if (qGray(frame) > 224)
            return ::testing::AssertionFailure() << "no frame at the corner";
        if (auto r = EveryPixel(shot, Edges(shot.rect()), Is(frame), "the frame"); !r)
            return r;
        const QRegion inside = QRegion(1, 1, shot.width() - 2 - kScrollBarWidth, 1) +
                               QRegion(1, 1, 1, shot.height() - 2);
        return EveryPixel(shot, inside, Is(Qt::white), "the text box's white");
    }
    // A scroll bar would fill the strip along the right edge, inside the
    // frame (one logical pixel, so more than one device pixel at Qt scales
    // above 1).
    bool scrollBarShown() const
    {
        const int frame = static_cast<int>(std::ceil(shot.devicePixelRatio()));
        const QRect strip(shot.width() - 3 * frame, frame, 1, shot.height() - 2 * frame);
        return !EveryPixel(shot, strip, Is(Qt::white), "");
    }

    static constexpr int kScrollBarWidth = 16;
    QImage shot;
    std::vector<InkBand> lines;
};

} // namespace kolvar::testing
