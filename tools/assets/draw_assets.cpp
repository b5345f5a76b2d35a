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

namespace {

// The six category colours, in category order: blue, pink, yellow, brown, green, orange.
const QColor kCategory[6] = {QColor(40, 110, 210), QColor(228, 88, 160), QColor(245, 200, 40),
                             QColor(140, 90, 50),  QColor(60, 160, 70),  QColor(240, 130, 30)};

// The emblem: a round box cut into six coloured wedges.
void drawWheel(QPainter& p, QPointF centre, double radius, double alpha = 1.0) {
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
    QImage img(418, 309, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, img.height());
    g.setColorAt(0, QColor(16, 30, 74));
    g.setColorAt(1, QColor(34, 70, 138));
    p.fillRect(img.rect(), g);
    // A soft light from the top left.
    QRadialGradient glow(QPointF(90, 40), 300);
    glow.setColorAt(0, QColor(255, 255, 255, 40));
    glow.setColorAt(1, QColor(255, 255, 255, 0));
    p.fillRect(img.rect(), glow);
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

QImage dialogBackground() {
    QImage img(420, 260, QImage::Format_RGB32);
    QPainter p(&img);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 0, img.height());
    g.setColorAt(0, QColor(252, 248, 236));
    g.setColorAt(1, QColor(232, 224, 200));
    p.fillRect(img.rect(), g);
    drawWheel(p, QPointF(396, 236), 60, 0.10);
    p.setPen(QPen(QColor(176, 140, 60), 2));
    p.drawRoundedRect(QRectF(4, 4, img.width() - 8, img.height() - 8), 6, 6);
    p.setPen(QPen(QColor(176, 140, 60, 120), 1));
    p.drawRoundedRect(QRectF(8.5, 8.5, img.width() - 17, img.height() - 17), 4, 4);
    return img;
}

bool save(const QImage& img, const QDir& dir, const QString& name) {
    return img.save(dir.filePath(name));
}

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QApplication app(argc, argv);
    if (argc != 2) {
        qWarning("usage: savanto-draw-assets OUTPUT_FOLDER");
        return 2;
    }
    QDir dir(QString::fromLocal8Bit(argv[1]));
    dir.mkpath(QStringLiteral("."));
    bool ok = save(startBackground(), dir, QStringLiteral("WFenet.png"));
    ok = ok && save(dialogBackground(), dir, QStringLiteral("FENETRE.png"));
    return ok ? 0 : 1;
}
