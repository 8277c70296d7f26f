#include "Pictures.h"

#include <QLinearGradient>
#include <QPainter>
#include <QPainterPath>
#include <QtEndian>
#include <cmath>
#include <map>

namespace ztv::assets {

namespace {

const QColor kPanel(195, 198, 200);
const QColor kTealDark(28, 109, 107);

void drawWell(QPainter& p, const QRect& r) {
    QLinearGradient g(r.topLeft(), r.bottomLeft());
    g.setColorAt(0, QColor(178, 184, 190));
    g.setColorAt(1, QColor(212, 216, 220));
    p.setPen(QPen(QColor(150, 158, 166), 1));
    p.setBrush(g);
    p.drawRoundedRect(QRectF(r).adjusted(0.5, 0.5, -0.5, -0.5), 6, 6);
    p.setPen(QPen(QColor(236, 238, 240), 1));
    p.drawLine(r.left() + 6, r.bottom() + 1, r.right() - 6, r.bottom() + 1);
}

const std::map<QString, QColor>& rowColours() {
    static const std::map<QString, QColor> colours = {
        {QStringLiteral("son"), QColor(232, 150, 60)},
        {QStringLiteral("video"), QColor(196, 84, 84)},
        {QStringLiteral("fond"), QColor(90, 140, 90)},
        {QStringLiteral("image"), QColor(70, 150, 120)},
        {QStringLiteral("personnage"), QColor(170, 110, 190)},
        {QStringLiteral("panorama"), QColor(60, 150, 190)},
        {QStringLiteral("animation"), QColor(210, 120, 160)},
        {QStringLiteral("texte"), QColor(70, 110, 190)},
        {QStringLiteral("zoneclic"), QColor(200, 70, 70)},
        {QStringLiteral("motcle"), QColor(160, 150, 60)},
        {QStringLiteral("longtext"), QColor(100, 100, 170)},
    };
    return colours;
}

}  // namespace

QImage toolbarBackground() {
    QImage image(1920, 85, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, 85);
    g.setColorAt(0, QColor(226, 229, 232));
    g.setColorAt(0.55, kPanel);
    g.setColorAt(1, QColor(182, 186, 190));
    p.fillRect(image.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    // The wells behind the three groups of buttons and the page list.
    drawWell(p, QRect(12, 17, 246, 41));
    drawWell(p, QRect(283, 4, 230, 41));
    drawWell(p, QRect(293, 47, 216, 30));
    drawWell(p, QRect(540, 17, 222, 41));
    p.setPen(QColor(150, 156, 162));
    p.drawLine(0, 84, 1920, 84);
    p.setPen(QColor(244, 246, 248));
    p.drawLine(0, 0, 1920, 0);
    return image;
}

QImage dialogTexture() {
    constexpr int side = 128;
    QImage image(side, side, QImage::Format_RGB32);
    for (int y = 0; y < side; ++y) {
        for (int x = 0; x < side; ++x) {
            // Sums of whole periods over the tile: the edges meet seamlessly.
            const double a = 2 * M_PI / side;
            const double v = 3.0 * std::sin(a * 3 * x + 1.3 * std::sin(a * 2 * y)) +
                             2.0 * std::sin(a * 5 * y + 0.8 * std::sin(a * 4 * x)) +
                             1.5 * std::sin(a * 11 * (x + y)) + 1.0 * std::sin(a * 17 * (x - y));
            const int shade = int(std::lround(v));
            image.setPixel(x, y, qRgb(214 + shade, 217 + shade, 219 + shade));
        }
    }
    return image;
}

QImage cellPicture(const QColor& base) {
    QImage image(64, 20, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, 20);
    g.setColorAt(0, base.lighter(106));
    g.setColorAt(1, base.darker(104));
    p.fillRect(image.rect(), g);
    return image;
}

QImage columnHeaderPicture() {
    QImage image(64, 20, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 0, 20);
    g.setColorAt(0, QColor(236, 240, 246));
    g.setColorAt(1, QColor(200, 210, 224));
    p.fillRect(image.rect(), g);
    p.setPen(QColor(176, 188, 204));
    p.drawLine(0, 19, 63, 19);
    return image;
}

QImage cornerPicture() {
    QImage image(112, 20, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 112, 20);
    g.setColorAt(0, QColor(200, 214, 214));
    g.setColorAt(1, QColor(220, 228, 236));
    p.fillRect(image.rect(), g);
    return image;
}

QStringList rowKinds() {
    QStringList kinds;
    for (const auto& [kind, colour] : rowColours()) {
        kinds.append(kind);
    }
    return kinds;
}

QImage rowPicture(const QString& kind) {
    const QColor colour = rowColours().at(kind);
    QImage image(112, 20, QImage::Format_RGB32);
    QPainter p(&image);
    QLinearGradient g(0, 0, 112, 0);
    g.setColorAt(0, QColor(234, 238, 242));
    g.setColorAt(1, QColor(216, 225, 239));
    p.fillRect(image.rect(), g);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(Qt::NoPen);
    p.setBrush(colour);
    p.drawRoundedRect(QRectF(3, 5, 8, 10), 2, 2);
    p.setPen(QColor(196, 204, 214));
    p.drawLine(0, 19, 111, 19);
    return image;
}

QImage logoPicture() {
    QImage image(640, 400, QImage::Format_RGB32);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QLinearGradient g(0, 0, 640, 400);
    g.setColorAt(0, QColor(22, 74, 86));
    g.setColorAt(1, QColor(46, 140, 132));
    p.fillRect(image.rect(), g);
    p.setPen(Qt::NoPen);
    for (int i = 0; i < 5; ++i) {
        p.setBrush(QColor(255, 255, 255, 18 + i * 6));
        p.drawEllipse(QPointF(520 - i * 40, 90 + i * 30), 140 - i * 22, 140 - i * 22);
    }
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(64);
    p.setFont(f);
    p.setPen(Qt::white);
    p.drawText(QRect(48, 200, 560, 80), Qt::AlignLeft | Qt::AlignVCenter,
               QStringLiteral("Zentrovale"));
    f.setBold(false);
    f.setPixelSize(26);
    p.setFont(f);
    p.setPen(QColor(240, 196, 96));
    p.drawText(QRect(52, 276, 560, 40), Qt::AlignLeft | Qt::AlignVCenter, QStringLiteral("3.0"));
    return image;
}

QImage warningPicture() {
    QImage image(48, 48, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    QPainterPath triangle;
    triangle.moveTo(24, 3);
    triangle.lineTo(46, 43);
    triangle.lineTo(2, 43);
    triangle.closeSubpath();
    p.setPen(QPen(QColor(150, 92, 10), 2, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
    QLinearGradient g(0, 3, 0, 43);
    g.setColorAt(0, QColor(255, 214, 92));
    g.setColorAt(1, QColor(236, 160, 40));
    p.setBrush(g);
    p.drawPath(triangle);
    p.setPen(Qt::NoPen);
    p.setBrush(QColor(60, 40, 10));
    p.drawRoundedRect(QRectF(21.5, 15, 5, 17), 2.5, 2.5);
    p.drawEllipse(QPointF(24, 37), 3, 3);
    return image;
}

QImage informationPicture() {
    QImage image(48, 48, QImage::Format_ARGB32);
    image.fill(Qt::transparent);
    QPainter p(&image);
    p.setRenderHint(QPainter::Antialiasing);
    p.setPen(QPen(QColor(20, 70, 150), 2));
    QLinearGradient g(0, 3, 0, 45);
    g.setColorAt(0, QColor(110, 170, 240));
    g.setColorAt(1, QColor(40, 110, 200));
    p.setBrush(g);
    p.drawEllipse(QPointF(24, 24), 21, 21);
    p.setPen(Qt::NoPen);
    p.setBrush(Qt::white);
    p.drawEllipse(QPointF(24, 13.5), 3.2, 3.2);
    p.drawRoundedRect(QRectF(21, 20, 6, 17), 2.5, 2.5);
    return image;
}

QByteArray handCursor() {
    constexpr int side = 32;
    QImage hand(side, side, QImage::Format_ARGB32);
    hand.fill(Qt::transparent);
    {
        QPainter p(&hand);
        p.setRenderHint(QPainter::Antialiasing);
        QPainterPath path;
        path.addRoundedRect(QRectF(7, 14, 18, 15), 5, 5);
        for (int i = 0; i < 4; ++i) {
            path.addRoundedRect(QRectF(7 + i * 4.5, 4 + (i == 1 || i == 2 ? 0 : 2), 4.5, 14), 2.2,
                                2.2);
        }
        path.addRoundedRect(QRectF(2, 15, 9, 4.5), 2.2, 2.2);
        p.setPen(QPen(Qt::black, 1.2));
        p.setBrush(Qt::white);
        p.drawPath(path.simplified());
    }
    // A .cur file: the icon directory (type 2, hot spot) and one 32-bit DIB with its mask.
    QByteArray out;
    auto u16 = [&out](quint16 v) { out.append(char(v & 0xff)).append(char(v >> 8)); };
    auto u32 = [&](quint32 v) {
        u16(quint16(v & 0xffff));
        u16(quint16(v >> 16));
    };
    const quint32 maskBytes = side * 4;  // 32 pixels per row: 4 bytes, already aligned
    const quint32 dibSize = 40 + side * side * 4 + maskBytes;
    u16(0);
    u16(2);
    u16(1);
    out.append(char(side)).append(char(side)).append(char(0)).append(char(0));
    u16(16);  // hot spot x: the middle finger tip
    u16(4);
    u32(dibSize);
    u32(22);
    u32(40);
    u32(side);
    u32(side * 2);
    u16(1);
    u16(32);
    u32(0);
    u32(side * side * 4 + maskBytes);
    u32(0);
    u32(0);
    u32(0);
    u32(0);
    for (int y = side - 1; y >= 0; --y) {
        for (int x = 0; x < side; ++x) {
            const QRgb c = hand.pixel(x, y);
            out.append(char(qBlue(c))).append(char(qGreen(c))).append(char(qRed(c)));
            out.append(char(qAlpha(c)));
        }
    }
    for (int y = side - 1; y >= 0; --y) {
        for (int byte = 0; byte < 4; ++byte) {
            quint8 bits = 0;
            for (int bit = 0; bit < 8; ++bit) {
                if (qAlpha(hand.pixel(byte * 8 + bit, y)) < 128) {
                    bits |= quint8(0x80 >> bit);
                }
            }
            out.append(char(bits));
        }
    }
    return out;
}

}  // namespace ztv::assets
