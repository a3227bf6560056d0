// A picture button: a picture in a frame that looks flat (a thin outline)
// or raised (the classic two-tone bevel), and reports clicks. It may show
// its picture faded towards the background while flat, so that the one
// raised button stands out. The picture is shown pixel for pixel, at its
// own device pixel ratio (device_pixels.h).
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace kolvar {

class PictureButton : public QWidget {
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

    // 0 flat, 1 raised; the look set is the look read back.
    int Appearance() const { return appearance_; }
    void SetAppearance(int look);
    void setFadedWhenFlat(bool faded);

signals:
    // A press and a release of the left button on the button.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    void paintFrame(QPainter& p, const QRect& box, const QRect& client, int outer) const;

    QImage picture_;
    QColor background_;
    int border_ = 0;
    int appearance_ = 0;
    bool fadedWhenFlat_ = false;
    bool pressed_ = false;
};

} // namespace kolvar
