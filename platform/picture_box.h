// A picture box: a widget that keeps a persistent image of its client area.
// Drawing goes into the image, Clear fills it with the background colour,
// Refresh schedules a repaint, and the window system repaints from the image
// whenever the box is uncovered. A cleared image is only made (and filled)
// once something is drawn into it: until then the box paints its background
// straight onto the screen. Hidden boxes keep their image as a copy
// source. The image may be held at a higher density than the box's logical
// pixels (a device pixel ratio above 1, for a screen of high pixel density or
// a zoomed table): it is then shown one image pixel per device pixel, from
// the device pixel nearest to the box's corner, and a mouse-down reports the
// image pixel under the pointer. What is painted over the image (something
// moving across it) is drawn by a subclass, never into the image. A box can
// look flat or raised (a 3-D bevel
// around the client area), and reports mouse-downs and clicks.
#pragma once

#include <QColor>
#include <QImage>
#include <QWidget>

namespace kolvar {

class PictureBox : public QWidget {
    Q_OBJECT
public:
    // A box whose client area is `clientSize`, framed by `borderWidth`
    // pixels on every side for the flat or raised look (two rings, each
    // half the border). The box starts at that size; a layout may resize it,
    // the image keeps its size. The image holds `ratio` image pixels per
    // pixel of the box, its device pixel ratio.
    PictureBox(QWidget* parent, QSize clientSize, QColor background, int borderWidth = 0,
               qreal ratio = 1);

    // The image to draw into: made now if the box is blank.
    QImage& image();
    QColor background() const { return background_; }
    int borderWidth() const { return border_; }
    // The frame's width; the box keeps its client area and grows or shrinks.
    void setBorderWidth(int width);

    QSize sizeHint() const override;

    // Replaces the persistent image with a picture; the box takes its size
    // (at the picture's device pixel ratio).
    void setPicture(const QImage& picture);
    // A new persistent image of `clientSize` logical pixels at `ratio`,
    // cleared to the background; the box keeps its own size.
    void resizeImage(QSize clientSize, qreal ratio);
    void Clear();
    void Refresh();
    // Schedules a repaint of the image pixels of `area` alone.
    void refreshArea(const QRect& area);

    // 0 flat, 1 raised; the look set is the look read back.
    int Appearance() const { return appearance_; }
    void SetAppearance(int look);
    // Shows the picture faded towards the background while the box is flat,
    // so that the one raised box stands out (the image itself is unchanged).
    void setFadedWhenFlat(bool faded);

signals:
    // The pixel of the image under the pointer; every button is reported.
    void mouseDown(Qt::MouseButton button, Qt::KeyboardModifiers modifiers, QPoint pixel);
    // A press and a release of the left button on the box.
    void clicked();

protected:
    void paintEvent(QPaintEvent* event) override;
    // Paints over the image, in device pixels, within `area` (the painter
    // is clipped to it); the image's first pixel lies at `origin`.
    virtual void paintOver(QPainter& p, QPoint origin, const QRect& area);
    void mousePressEvent(QMouseEvent* event) override;
    void mouseReleaseEvent(QMouseEvent* event) override;

private:
    QSize shownSize() const;
    QPoint imagePixelAt(const QMouseEvent& event) const;
    void paintImage(QPainter& p, const QRect& area, QPoint origin) const;
    void paintFrame(QPainter& p, const QRect& box, const QRect& client, int outer) const;

    QImage image_;
    QSize imageSize_; // in image pixels, also while blank
    qreal ratio_ = 1;
    bool blank_ = true; // all background: image_ is not to be shown
    QColor background_;
    int border_ = 0;
    int appearance_ = 0;
    bool fadedWhenFlat_ = false;
    bool pressed_ = false;
};

} // namespace kolvar
