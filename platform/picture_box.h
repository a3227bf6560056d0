// A picture box: a widget that keeps a persistent image of its client area.
// Drawing goes into the image, Clear fills it with the background colour,
// Refresh schedules a repaint, and the window system repaints from the image
// whenever the box is uncovered. A cleared image is only made (and filled)
// once something is drawn into it: until then the box paints its background
// straight onto the screen. The image may be held at a higher density than
// the box's logical pixels (a device pixel ratio above 1, for a screen of
// high pixel density or a zoomed table): it is then shown one image pixel
// per device pixel (device_pixels.h), and a mouse-down reports the image
// pixel under the pointer. What is painted over the image (something moving
// across it) is drawn by a subclass, never into the image.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace kolvar {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    // A box `clientSize` large whose image holds `ratio` image pixels per
    // pixel of the box, its device pixel ratio. A layout may resize the box;
    // the image keeps its size.
    PictureBox(QWidget* parent, QSize clientSize, QColor background, qreal ratio = 1);

    // The image to draw into: made now if the box is blank.
    QImage& image();
    QColor background() const { return background_; }

    // A new persistent image of `clientSize` logical pixels at `ratio`,
    // cleared to the background; the box keeps its own size.
    void resizeImage(QSize clientSize, qreal ratio);
    void Clear();
    void Refresh();
    // Schedules a repaint of the image pixels of `area` alone.
    void refreshArea(const QRect& area);

signals:
    // The pixel of the image under the pointer; every button is reported.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pixel);

protected:
    void paintEvent(QPaintEvent* event) override;
    void mousePressEvent(QMouseEvent* event) override;
    // Paints over the image, in device pixels, within `area` (the painter
    // is clipped to it); the image's first pixel lies at `origin`.
    virtual void paintOver(QPainter& p, QPoint origin, const QRect& area);

private:
    QImage image_;
    QSize imageSize_; // in image pixels, also while blank
    qreal ratio_ = 1;
    bool blank_ = true; // all background: image_ is not to be shown
    QColor background_;
};

} // namespace kolvar
