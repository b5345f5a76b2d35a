// The board's picture and the marks laid over its squares.
#include <QLinearGradient>
#include <QPainterPath>
#include <QRadialGradient>
#include <algorithm>
#include <initializer_list>

#include "board/board_model.h"
#include "drawing.h"

namespace sv::art {

namespace {

// --- the board ---------------------------------------------------------------------------

QRectF zoneRect(int n) {
    const auto& z = sv::board::kZones[static_cast<std::size_t>(n)];
    return QRectF(z.left / 15.0, z.top / 15.0, z.width / 15.0, z.height / 15.0);
}

QColor squareColour(int n) {
    const int c = sv::board::squareCategory(n);
    return c == 0 ? QColor(250, 250, 246) : kCategory[c - 1];
}

// A light panel with a coloured rim, for the texts laid over the board.
void panel(QPainter& p, const QPainterPath& shape, QColor rim) {
    p.save();
    p.fillPath(shape, QColor(250, 246, 232, 235));
    p.setPen(QPen(rim, 2));
    p.drawPath(shape);
    p.restore();
}

QPainterPath polygon(std::initializer_list<QPointF> points) {
    QPainterPath path;
    bool first = true;
    for (const QPointF& pt : points) {
        if (first) path.moveTo(pt); else path.lineTo(pt);
        first = false;
    }
    path.closeSubpath();
    return path;
}

}  // namespace

QImage boardBackground() {
    QImage img = canvas(599, 598, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(300, 300), 430);
    g.setColorAt(0, QColor(40, 78, 150));
    g.setColorAt(1, QColor(12, 24, 62));
    p.fillRect(area(img), g);

    // The track joining the squares: round the ring and along the spokes.
    QPen track(QColor(8, 16, 40, 200), 26, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
    p.setPen(track);
    QPainterPath ring;
    for (int n = 1; n <= 42; ++n) {
        const QPointF c = zoneRect(n).center();
        if (n == 1) ring.moveTo(c); else ring.lineTo(c);
    }
    ring.closeSubpath();
    p.drawPath(ring);
    for (const auto& spoke : sv::board::kSpokes) {
        QPainterPath path(zoneRect(spoke[0]).center());
        for (int k = 1; k < 7; ++k) path.lineTo(zoneRect(spoke[k]).center());
        p.drawPath(path);
    }

    // Panels in the free places: the corners, the top and bottom triangles, the side trays.
    const QColor red(200, 40, 40), blue(40, 90, 200), gold(214, 180, 96);
    panel(p, polygon({{4, 4}, {132, 4}, {132, 64}, {110, 116}, {4, 116}}), red);
    panel(p, polygon({{595, 4}, {467, 4}, {467, 64}, {489, 116}, {595, 116}}), blue);
    panel(p, polygon({{4, 506}, {130, 506}, {130, 594}, {4, 594}}), gold);
    panel(p, polygon({{595, 506}, {469, 506}, {469, 594}, {595, 594}}), gold);
    panel(p, polygon({{218, 90}, {382, 90}, {306, 250}, {294, 250}}), gold);
    panel(p, polygon({{294, 348}, {306, 348}, {372, 498}, {228, 498}}), gold);
    panel(p, polygon({{84, 236}, {220, 236}, {220, 266}, {84, 266}}), red);
    panel(p, polygon({{379, 236}, {515, 236}, {515, 266}, {379, 266}}), blue);
    panel(p, polygon({{98, 340}, {214, 340}, {214, 370}, {98, 370}}), gold);
    panel(p, polygon({{385, 340}, {501, 340}, {501, 370}, {385, 370}}), gold);

    // The squares.
    for (int n = 1; n < sv::board::kSquares; ++n) {
        const QRectF r = zoneRect(n).adjusted(2, 2, -2, -2);
        const bool hq = sv::board::isHeadquarters(n);
        QColor fill = squareColour(n);
        QLinearGradient shade(r.topLeft(), r.bottomRight());
        shade.setColorAt(0, fill.lighter(125));
        shade.setColorAt(1, fill.darker(hq ? 125 : 110));
        p.setPen(QPen(QColor(20, 20, 30), hq ? 2.5 : 1.5));
        p.setBrush(shade);
        p.drawRoundedRect(r, hq ? 10 : 5, hq ? 10 : 5);
        const int category = sv::board::squareCategory(n) - 1;
        if (hq) {
            // The emblem in a ring: the square that wins the category's wedge.
            const QPointF c = r.center();
            const double rad = std::min(r.width(), r.height()) / 2 - 5;
            p.setBrush(Qt::NoBrush);
            p.setPen(QPen(QColor(15, 20, 35, 200), 4.5));
            p.drawEllipse(c, rad, rad);
            p.setPen(QPen(QColor(255, 255, 255), 2.5));
            p.drawEllipse(c, rad, rad);
            drawEmblem(p, category, c, rad * 1.75);
        } else if (category >= 0) {
            drawEmblem(p, category, r.center(), std::min(18.0, std::min(r.width(), r.height()) * 0.6));
        } else if (sv::board::isRollAgain(n)) {
            // A little die: roll again.
            const QPointF c = r.center();
            const QRectF die(c.x() - 7, c.y() - 7, 14, 14);
            p.setPen(QPen(QColor(60, 60, 70), 1.2));
            p.setBrush(QColor(255, 255, 255));
            p.drawRoundedRect(die, 3, 3);
            p.setBrush(QColor(40, 40, 50));
            p.setPen(Qt::NoPen);
            p.drawEllipse(QPointF(c.x() - 3.5, c.y() - 3.5), 1.5, 1.5);
            p.drawEllipse(c, 1.5, 1.5);
            p.drawEllipse(QPointF(c.x() + 3.5, c.y() + 3.5), 1.5, 1.5);
        }
    }
    // The centre: the six categories round a gold hub.
    const QRectF centre = zoneRect(0);
    const QPointF c = centre.center();
    const double rad = std::min(centre.width(), centre.height()) / 2 + 2;
    p.setPen(QPen(QColor(20, 20, 30), 3));
    p.setBrush(QColor(250, 246, 232));
    p.drawEllipse(c, rad + 3, rad + 3);
    drawWheel(p, c, rad);
    QRadialGradient hub(c, 14);
    hub.setColorAt(0, QColor(255, 236, 160));
    hub.setColorAt(1, gold);
    p.setBrush(hub);
    p.setPen(QPen(QColor(120, 90, 30), 1.5));
    p.drawEllipse(c, 13, 13);
    return img;
}

QImage reachMark() {
    QImage img = transparent(26, 26);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    p.setPen(QPen(QColor(10, 14, 30, 230), 5.5));
    p.drawEllipse(QPointF(13, 13), 10, 10);
    p.setPen(QPen(QColor(255, 255, 255), 3));
    p.drawEllipse(QPointF(13, 13), 10, 10);
    return img;
}

QImage cursorFrame(int w, int h) {
    QImage img = transparent(w, h);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(Qt::NoBrush);
    const QRectF r(3.5, 3.5, w - 7, h - 7);
    p.setPen(QPen(QColor(10, 14, 30), 6));
    p.drawRoundedRect(r, 7, 7);
    p.setPen(QPen(QColor(255, 224, 40), 3.5));
    p.drawRoundedRect(r, 7, 7);
    return img;
}

}  // namespace sv::art
