// A picture button: Qt's checkable button drawn as a picture in a frame that
// looks flat (a thin outline) or raised (the classic two-tone bevel) when
// checked. It may show its picture faded towards the background while flat,
// so that the one raised button stands out. The picture is shown pixel for
// pixel, at its own device pixel ratio (device_pixels.h).
//
// A click does not check it: its owner decides which button is raised and
// sets the check itself. A left-button press and release on it is a click;
// other buttons neither click it nor reach the widget under it. It takes no
// keyboard focus, so the keys stay with the window it stands on.
#pragma once

#include <QAbstractButton>
#include <QColor>
#include <QImage>

namespace kolvar {

class PictureButton : public QAbstractButton {
    Q_OBJECT
public:
    PictureButton(QWidget* parent, QColor background);

    // The picture; the button takes its size (at the picture's device pixel
    // ratio) and the frame round it.
    void setPicture(const QImage& picture);
    const QImage& picture() const { return picture_; }
    // The frame's width on every side, in two rings of half each.
    void setBorderWidth(int width);
    int borderWidth() const { return border_; }
    QSize sizeHint() const override;

    void setFadedWhenFlat(bool faded);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void nextCheckState() override;

private:
    void paintFrame(QPainter& p, const QRect& box, const QRect& client, int outer) const;

    QImage picture_;
    QColor background_;
    int border_ = 0;
    bool fadedWhenFlat_ = false;
};

} // namespace kolvar
