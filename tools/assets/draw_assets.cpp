// Draws the program's pictures: savanto-draw-assets OUTPUT_FOLDER
// Writes PNG files; make_assets.sh turns those the program reads as GIF into GIF and puts
// everything in place under assets/.
#include <QApplication>
#include <QDir>
#include <QFont>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QRadialGradient>
#include <cmath>

#include "drawing.h"

namespace sv::art {

// The emblem: a round box cut into six coloured wedges.
void drawWheel(QPainter& p, QPointF centre, double radius, double alpha) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    for (int k = 0; k < 6; ++k) {
        QColor c = kCategory[k];
        c.setAlphaF(alpha);
        QPainterPath wedge;
        wedge.moveTo(centre);
        wedge.arcTo(QRectF(centre.x() - radius, centre.y() - radius, 2 * radius, 2 * radius), 90 - k * 60, -60);
        wedge.closeSubpath();
        p.fillPath(wedge, c);
    }
    QPen pen(QColor(255, 255, 255, static_cast<int>(220 * alpha)), std::max(1.0, radius / 14));
    p.setPen(pen);
    for (int k = 0; k < 6; ++k) {
        const double a = (90 - k * 60) * M_PI / 180;
        p.drawLine(centre, centre + QPointF(radius * std::cos(a), -radius * std::sin(a)));
    }
    p.setBrush(Qt::NoBrush);
    p.drawEllipse(centre, radius, radius);
    p.restore();
}

QImage startBackground() {
    QImage img = canvas(418, 309, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, area(img).height());
    g.setColorAt(0, QColor(16, 30, 74));
    g.setColorAt(1, QColor(34, 70, 138));
    p.fillRect(area(img), g);
    // A soft light from the top left.
    QRadialGradient glow(QPointF(90, 40), 300);
    glow.setColorAt(0, QColor(255, 255, 255, 40));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(area(img), glow);
    // Faint wedges in the corners.
    drawWheel(p, QPointF(412, 300), 70, 0.10);
    drawWheel(p, QPointF(6, 8), 46, 0.10);
    // No frame line: the windows that show this picture cut it at different places.
    // The name and the emblem between the two bottom buttons.
    drawWheel(p, QPointF(148, 254), 11);
    QFont f(QStringLiteral("Liberation Serif"), 17, QFont::Bold, true);
    p.setFont(f);
    p.setPen(QColor(236, 206, 120));
    p.drawText(QRectF(164, 238, 130, 32), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("Savanto"));
    return img;
}

QImage dialogBackground(int w = 420, int h = 260) {
    QImage img = canvas(w, h, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, area(img).height());
    g.setColorAt(0, QColor(252, 248, 236));
    g.setColorAt(1, QColor(232, 224, 200));
    p.fillRect(area(img), g);
    drawWheel(p, QPointF(w - 24, h - 24), 60, 0.10);
    p.setPen(QPen(QColor(176, 140, 60), 2));
    p.drawRoundedRect(QRectF(4, 4, area(img).width() - 8, area(img).height() - 8), 6, 6);
    p.setPen(QPen(QColor(176, 140, 60, 120), 1));
    p.drawRoundedRect(QRectF(8.5, 8.5, area(img).width() - 17, area(img).height() - 17), 4, 4);
    return img;
}


// --- pieces and buttons ----------------------------------------------------------------------


QImage token(QColor colour) {
    QImage img = transparent(28, 28);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(10, 9), 18);
    g.setColorAt(0, colour.lighter(150));
    g.setColorAt(1, colour.darker(130));
    p.setBrush(g);
    p.setPen(QPen(QColor(20, 20, 20), 1.5));
    p.drawEllipse(QPointF(14, 14), 12.5, 12.5);
    p.setPen(QPen(QColor(255, 255, 255, 110), 1));
    for (int k = 0; k < 6; ++k) {
        const double a = (90 - k * 60) * M_PI / 180;
        p.drawLine(QPointF(14, 14), QPointF(14 + 10 * std::cos(a), 14 - 10 * std::sin(a)));
    }
    return img;
}

// The wedge k (0..5) laid over a token: its sector, transparent elsewhere.
QImage overlay(int k) {
    QImage img = transparent(28, 28);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath wedge;
    wedge.moveTo(14, 14);
    wedge.arcTo(QRectF(4, 4, 20, 20), 90 - k * 60, -60);
    wedge.closeSubpath();
    p.fillPath(wedge, kCategory[k]);
    p.setPen(QPen(QColor(255, 255, 255), 1));
    p.drawPath(wedge);
    return img;
}

// A slot of a side's camembert: 20 x 25, the wedge of category k (0..5) or empty (-1).
QImage slot(int k, QColor rim) {
    QImage img = canvas(20, 25, QImage::Format_RGB32);
    img.fill(QColor(250, 246, 232));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(rim, 1.5));
    p.setBrush(QColor(236, 230, 212));
    p.drawRoundedRect(QRectF(1, 1, 18, 23), 3, 3);
    if (k >= 0) {
        // A slice of camembert: the point down, the rounded rim up.
        QPainterPath wedge;
        wedge.moveTo(10, 21);
        wedge.arcTo(QRectF(-5, 4, 30, 34), 60, 60);
        wedge.closeSubpath();
        p.setBrush(kCategory[k]);
        p.setPen(QPen(QColor(30, 30, 30), 1));
        p.drawPath(wedge);
        drawEmblem(p, k, QPointF(10, 13.5), 13);
    }
    return img;
}

QImage dieFace(int v) {
    QImage img = transparent(32, 32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 32, 32);
    g.setColorAt(0, QColor(255, 255, 255));
    g.setColorAt(1, QColor(222, 218, 206));
    p.setBrush(g);
    p.setPen(QPen(QColor(30, 30, 40), 1.5));
    p.drawRoundedRect(QRectF(1.5, 1.5, 29, 29), 6, 6);
    p.setPen(Qt::NoPen);
    p.setBrush(v == 1 ? QColor(200, 30, 30) : QColor(25, 25, 35));
    auto pip = [&](double x, double y) { p.drawEllipse(QPointF(x, y), 2.8, 2.8); };
    const double a = 9, b = 16, c = 23;
    if (v % 2 == 1) pip(b, b);
    if (v >= 2) { pip(a, a); pip(c, c); }
    if (v >= 4) { pip(c, a); pip(a, c); }
    if (v == 6) { pip(a, b); pip(c, b); }
    return img;
}

QImage disc(QColor colour) {
    QImage img = transparent(14, 14);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QRadialGradient g(QPointF(5, 5), 9);
    g.setColorAt(0, colour.lighter(140));
    g.setColorAt(1, colour.darker(120));
    p.setBrush(g);
    p.setPen(QPen(QColor(40, 40, 40), 1));
    p.drawEllipse(QPointF(7, 7), 6, 6);
    return img;
}

// Minimise (cross = false) or close button, plain or lit.
QImage windowButton(bool cross, bool lit) {
    QImage img = transparent(18, 18);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    p.setBrush(lit ? (cross ? QColor(210, 50, 50) : QColor(70, 130, 220)) : QColor(250, 246, 232));
    p.setPen(QPen(QColor(30, 30, 40), 1.2));
    p.drawRoundedRect(QRectF(1, 1, 16, 16), 4, 4);
    p.setPen(QPen(lit ? QColor(255, 255, 255) : QColor(30, 30, 40), 2, Qt::SolidLine, Qt::RoundCap));
    if (cross) {
        p.drawLine(QPointF(5.5, 5.5), QPointF(12.5, 12.5));
        p.drawLine(QPointF(12.5, 5.5), QPointF(5.5, 12.5));
    } else {
        p.drawLine(QPointF(5, 12.5), QPointF(13, 12.5));
    }
    return img;
}

// 24 x 24 round icons: the sound, time, help, internet and mail commands.
QImage icon(const QString& what, bool on, bool lit = false) {
    QImage img = transparent(26, 26);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QColor ink(30, 40, 70);
    p.setBrush(lit ? QColor(255, 214, 120) : QColor(250, 246, 232));
    p.setPen(QPen(ink, 1.2));
    p.drawEllipse(QPointF(13, 13), 11.5, 11.5);
    p.setPen(QPen(ink, 1.6, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(ink);
    if (what == QLatin1String("son")) {
        p.drawPolygon(QPolygonF({{6, 10.5}, {9, 10.5}, {13, 7}, {13, 19}, {9, 15.5}, {6, 15.5}}));
        p.setBrush(Qt::NoBrush);
        if (on) {
            p.drawArc(QRectF(11, 9, 7, 8), -60 * 16, 120 * 16);
            p.drawArc(QRectF(11, 6.5, 11, 13), -60 * 16, 120 * 16);
        }
    } else if (what == QLatin1String("temps")) {
        p.setBrush(Qt::NoBrush);
        p.drawLine(QPointF(8.5, 6.5), QPointF(17.5, 6.5));
        p.drawLine(QPointF(8.5, 19.5), QPointF(17.5, 19.5));
        p.drawPolyline(QPolygonF({{9.5, 6.5}, {13, 13}, {9.5, 19.5}}));
        p.drawPolyline(QPolygonF({{16.5, 6.5}, {13, 13}, {16.5, 19.5}}));
        p.setBrush(QColor(214, 170, 60));
        p.setPen(Qt::NoPen);
        p.drawPolygon(QPolygonF({{10.5, 19}, {15.5, 19}, {13, 15.5}}));
    } else if (what == QLatin1String("aide")) {
        QFont f(QStringLiteral("Liberation Sans"), 12, QFont::Bold);
        p.setFont(f);
        p.drawText(QRectF(0, 0, 26, 26), Qt::AlignCenter, QStringLiteral("?"));
    } else if (what == QLatin1String("internet")) {
        p.setBrush(Qt::NoBrush);
        p.drawEllipse(QPointF(13, 13), 7, 7);
        p.drawEllipse(QRectF(10, 6, 6, 14));
        p.drawLine(QPointF(6, 13), QPointF(20, 13));
    } else if (what == QLatin1String("mail")) {
        p.setBrush(Qt::NoBrush);
        p.drawRect(QRectF(6.5, 8.5, 13, 9));
        p.drawPolyline(QPolygonF({{6.5, 8.5}, {13, 14}, {19.5, 8.5}}));
    }
    if (!on) {
        p.setPen(QPen(QColor(200, 30, 30), 2.2, Qt::SolidLine, Qt::RoundCap));
        p.drawLine(QPointF(6, 20), QPointF(20, 6));
    }
    return img;
}


// The emblem of category k (0..5) drawn in a 48 x 48 box, at the painter's origin.
void emblemShape(QPainter& p, int k, QColor ink, double width) {
    p.setPen(QPen(ink, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    p.setBrush(Qt::NoBrush);
    switch (k) {
        case 0:  // a globe
            p.drawEllipse(QPointF(24, 24), 13, 13);
            p.drawEllipse(QRectF(18, 11, 12, 26));
            p.drawLine(QPointF(11, 24), QPointF(37, 24));
            p.drawLine(QPointF(13, 17), QPointF(35, 17));
            p.drawLine(QPointF(13, 31), QPointF(35, 31));
            break;
        case 1: {  // a star
            QPolygonF star;
            for (int i = 0; i < 10; ++i) {
                const double a = (-90 + i * 36) * M_PI / 180;
                const double r = i % 2 == 0 ? 15 : 6.5;
                star << QPointF(24 + r * std::cos(a), 25 + r * std::sin(a));
            }
            p.setBrush(ink);
            p.drawPolygon(star);
            break;
        }
        case 2:  // a column
            p.drawLine(QPointF(12, 13), QPointF(36, 13));
            p.drawLine(QPointF(12, 36), QPointF(36, 36));
            for (double x : {17.0, 24.0, 31.0}) p.drawLine(QPointF(x, 16), QPointF(x, 33));
            p.drawLine(QPointF(14, 10), QPointF(34, 10));
            break;
        case 3:  // a palette
            p.drawEllipse(QRectF(10, 13, 28, 22));
            p.setBrush(ink);
            for (QPointF c : {QPointF(18, 20), QPointF(24, 17), QPointF(31, 20)}) p.drawEllipse(c, 2.4, 2.4);
            break;
        case 4:  // a flask
            p.drawPolyline(QPolygonF({{20, 10}, {20, 21}, {12, 36}, {36, 36}, {28, 21}, {28, 10}}));
            p.drawLine(QPointF(18, 10), QPointF(30, 10));
            p.drawLine(QPointF(16, 29), QPointF(32, 29));
            break;
        case 5:  // a ball
            p.drawEllipse(QPointF(24, 24), 13, 13);
            p.drawArc(QRectF(4, 16, 20, 24), -60 * 16, 120 * 16);
            p.drawArc(QRectF(24, 8, 20, 24), 120 * 16, 120 * 16);
            break;
    }
}

// The emblem of category k, `size` pixels wide, centred on c: white on a dark edge, so that it
// reads on every colour. Small emblems get thicker strokes.
void drawEmblem(QPainter& p, int k, QPointF c, double size) {
    p.save();
    p.setRenderHint(QPainter::Antialiasing);
    p.translate(c.x() - size / 2, c.y() - size / 2);
    p.scale(size / 48, size / 48);
    const double width = size >= 40 ? 2.4 : size >= 24 ? 3.4 : 4.4;
    emblemShape(p, k, QColor(15, 20, 35, 200), width + 48 / size * 2.2);
    emblemShape(p, k, QColor(255, 255, 255), width);
    p.restore();
}

// The picture of a category: a tile of its colour with a white emblem.
QImage categoryTile(int k) {
    QImage img = transparent(48, 48);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 48, 48);
    g.setColorAt(0, kCategory[k].lighter(130));
    g.setColorAt(1, kCategory[k].darker(120));
    p.setBrush(g);
    p.setPen(QPen(QColor(30, 30, 40), 1.5));
    p.drawRoundedRect(QRectF(1.5, 1.5, 45, 45), 9, 9);
    emblemShape(p, k, QColor(255, 255, 255), 2.4);
    return img;
}

// What covers the second side's panel in a one-player game: the emblem and the name.
QImage soloPanel() {
    QImage img = canvas(120, 84, QImage::Format_RGB32);
    img.fill(QColor(250, 246, 232));
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    drawWheel(p, QPointF(60, 26), 19);
    QFont f(QStringLiteral("Liberation Serif"), 14, QFont::Bold, true);
    p.setFont(f);
    p.setPen(QColor(140, 30, 30));
    p.drawText(QRectF(0, 46, 120, 22), Qt::AlignCenter, QStringLiteral("Savanto"));
    QFont small(QStringLiteral("Liberation Sans"), 7);
    p.setFont(small);
    p.setPen(QColor(40, 40, 60));
    p.drawText(QRectF(0, 67, 120, 14), Qt::AlignCenter, QStringLiteral("Partie à un joueur"));
    return img;
}

// The program's icon: the six-category wheel on a dark disc.
QImage programIcon(int size) {
    QImage img = transparent(size, size);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    const QPointF c(size / 2.0, size / 2.0);
    p.setBrush(QColor(16, 30, 74));
    p.setPen(Qt::NoPen);
    p.drawEllipse(c, size / 2.0 - 1, size / 2.0 - 1);
    drawWheel(p, c, size * 0.40);
    p.setBrush(QColor(236, 206, 120));
    p.setPen(QPen(QColor(120, 90, 30), size / 64.0));
    p.drawEllipse(c, size * 0.09, size * 0.09);
    return img;
}

bool save(const QImage& img, const QDir& dir, QString name) {
    if (gScale != 1) name.replace(QStringLiteral(".png"), QStringLiteral("@%1x.png").arg(gScale));
    return img.save(dir.filePath(name));
}

}  // namespace sv::art

namespace {
bool drawAll(const QDir& dir);
}

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        qWarning("usage: savanto-draw-assets OUTPUT_FOLDER");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    dir.mkpath(QStringLiteral("."));
    bool ok = drawAll(dir);
    sv::art::gScale = 2;
    return ok && drawAll(dir) ? 0 : 1;
}

namespace {

bool drawAll(const QDir& dir) {
    using namespace sv::art;
    bool ok = save(startBackground(), dir, QStringLiteral("WFenet.png"));
    ok = ok && save(dialogBackground(), dir, QStringLiteral("FENETRE.png"));
    ok = ok && save(boardBackground(), dir, QStringLiteral("WFond.png"));
    ok = ok && save(programIcon(64), dir, QStringLiteral("ICONE.png"));
    // The desktop's icon theme: the same picture at the usual sizes.
    dir.mkpath(QStringLiteral("icons"));
    for (int size : {48, 64, 128, 256}) {
        if (gScale != 1) break;
        ok = ok && save(programIcon(size), dir, QStringLiteral("icons/savanto-%1.png").arg(size));
    }
    ok = ok && save(soloPanel(), dir, QStringLiteral("SEUL.png"));
    ok = ok && save(dialogBackground(500, 260), dir, QStringLiteral("WQuest.png"));
    const char* tileNames[6] = {"IMGBLE", "IMGROS", "IMGJAU", "IMGMAR", "IMGVER", "IMGORA"};
    for (int k = 0; k < 6; ++k) ok = ok && save(categoryTile(k), dir, QString::fromLatin1(tileNames[k]) + QStringLiteral(".png"));
    ok = ok && save(token(QColor(210, 40, 40)), dir, QStringLiteral("JETON1.png"));
    ok = ok && save(token(QColor(40, 90, 210)), dir, QStringLiteral("JETON2.png"));
    const char* codes[6] = {"B", "R", "J", "M", "V", "O"};
    for (int k = 0; k < 6; ++k) {
        ok = ok && save(overlay(k), dir, QStringLiteral("PART") + QLatin1String(codes[k]) + QStringLiteral(".png"));
        ok = ok && save(slot(k, QColor(200, 40, 40)), dir, QStringLiteral("CAM1%1.png").arg(k + 1));
        ok = ok && save(slot(k, QColor(40, 90, 200)), dir, QStringLiteral("CAM2%1.png").arg(k + 1));
    }
    ok = ok && save(slot(-1, QColor(200, 40, 40)), dir, QStringLiteral("CAM17.png"));
    ok = ok && save(slot(-1, QColor(40, 90, 200)), dir, QStringLiteral("CAM27.png"));
    for (int v = 1; v <= 6; ++v) ok = ok && save(dieFace(v), dir, QStringLiteral("DE%1.png").arg(v));
    ok = ok && save(reachMark(), dir, QStringLiteral("CIBLE.png"));
    ok = ok && save(cursorFrame(44, 44), dir, QStringLiteral("CURSEUR.png"));
    ok = ok && save(cursorFrame(80, 44), dir, QStringLiteral("CURSEURL.png"));
    ok = ok && save(cursorFrame(44, 80), dir, QStringLiteral("CURSEURH.png"));
    ok = ok && save(disc(QColor(250, 140, 20)), dir, QStringLiteral("TOURORA.png"));
    ok = ok && save(disc(QColor(150, 150, 150)), dir, QStringLiteral("TOURGRIS.png"));
    ok = ok && save(windowButton(false, true), dir, QStringLiteral("REDUIRE1.png"));
    ok = ok && save(windowButton(false, false), dir, QStringLiteral("REDUIRE2.png"));
    ok = ok && save(windowButton(true, true), dir, QStringLiteral("FERMER1.png"));
    ok = ok && save(windowButton(true, false), dir, QStringLiteral("FERMER2.png"));
    ok = ok && save(icon(QStringLiteral("son"), true), dir, QStringLiteral("SONOK.png"));
    ok = ok && save(icon(QStringLiteral("son"), false), dir, QStringLiteral("SONHS.png"));
    ok = ok && save(icon(QStringLiteral("temps"), true), dir, QStringLiteral("TPSOK.png"));
    ok = ok && save(icon(QStringLiteral("temps"), false), dir, QStringLiteral("TPSHS.png"));
    for (const char* what : {"aide", "internet", "mail"}) {
        const QString name = QString::fromLatin1(what).left(4).toUpper();
        ok = ok && save(icon(QString::fromLatin1(what), true, true), dir, name + QStringLiteral("1.png"));
        ok = ok && save(icon(QString::fromLatin1(what), true, false), dir, name + QStringLiteral("2.png"));
    }
    return ok;
}

}  // namespace

