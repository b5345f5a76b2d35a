// What the picture drawings share: the scale they are drawn at, the canvas, the category
// colours and the emblems.
#pragma once

#include <QColor>
#include <QImage>
#include <QPainter>
#include <QPointF>
#include <QRectF>

namespace sv::art {

// Pictures are drawn in the program's pixels; at scale 2 the same drawing gives the picture
// for screens at 200 % (its name ends in "@2x").
inline double gScale = 1;

inline QImage canvas(int w, int h, QImage::Format format) {
    QImage img(static_cast<int>(w * gScale), static_cast<int>(h * gScale), format);
    img.setDevicePixelRatio(gScale);
    return img;
}

// The picture's area in the program's pixels.
inline QRectF area(const QImage& img) { return QRectF(QPointF(0, 0), img.deviceIndependentSize()); }


// The six category colours, in category order: blue, pink, yellow, brown, green, orange.
inline const QColor kCategory[6] = {QColor(40, 110, 210), QColor(228, 88, 160), QColor(245, 200, 40),
                             QColor(140, 90, 50),  QColor(60, 160, 70),  QColor(240, 130, 30)};

inline QImage transparent(int w, int h) {
    QImage img = canvas(w, h, QImage::Format_ARGB32_Premultiplied);
    img.fill(Qt::transparent);
    return img;
}

// The six-category wheel, centred on centre.
void drawWheel(QPainter& p, QPointF centre, double radius, double alpha = 1.0);
// The emblem of category k (0..5), size pixels wide, centred on c.
void drawEmblem(QPainter& p, int k, QPointF c, double size);

// The board's picture, 599 x 598, drawn from the board model.
QImage boardBackground();
// The mark of a square a roll reaches: a light ring with dark edges, seen on every colour and
// leaving the square's colour and emblem visible inside.
QImage reachMark();
// The keyboard's highlight round a square, w x h: a bright frame with a dark edge.
QImage cursorFrame(int w, int h);

}  // namespace sv::art
