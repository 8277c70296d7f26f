#include "Glyphs.h"

#include <QPainter>
#include <QPainterPath>
#include <functional>
#include <map>

namespace ztv::assets {

namespace {

// Drawn on a 124 x 124 canvas (4 x the glyph) and scaled down for clean edges.
constexpr int kScale = 4;
constexpr int kSide = 31;
const QColor kInk(28, 80, 96);
const QColor kPaper(252, 252, 248);
const QColor kTeal(38, 138, 132);
const QColor kAmber(236, 164, 52);
const QColor kRed(206, 64, 56);
const QColor kBlue(58, 112, 196);
const QColor kGreen(66, 160, 84);

using Draw = std::function<void(QPainter&)>;

QPen ink(qreal width = 6) {
    return QPen(kInk, width, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin);
}

void page(QPainter& p, const QRectF& r) {
    QPainterPath path;
    const qreal fold = r.width() * 0.3;
    path.moveTo(r.topLeft());
    path.lineTo(r.right() - fold, r.top());
    path.lineTo(r.right(), r.top() + fold);
    path.lineTo(r.bottomRight());
    path.lineTo(r.bottomLeft());
    path.closeSubpath();
    p.setPen(ink());
    p.setBrush(kPaper);
    p.drawPath(path);
    p.drawPolyline(QPolygonF{QPointF(r.right() - fold, r.top()),
                             QPointF(r.right() - fold, r.top() + fold),
                             QPointF(r.right(), r.top() + fold)});
}

void plusBadge(QPainter& p, QPointF c, const QColor& colour) {
    p.setPen(QPen(Qt::white, 4));
    p.setBrush(colour);
    p.drawEllipse(c, 22, 22);
    p.setPen(QPen(Qt::white, 8, Qt::SolidLine, Qt::RoundCap));
    p.drawLine(c + QPointF(-11, 0), c + QPointF(11, 0));
    p.drawLine(c + QPointF(0, -11), c + QPointF(0, 11));
}

void textLines(QPainter& p, const QRectF& r, int count) {
    p.setPen(QPen(kTeal, 5, Qt::SolidLine, Qt::RoundCap));
    for (int i = 0; i < count; ++i) {
        const qreal y = r.top() + i * 14;
        p.drawLine(QPointF(r.left(), y), QPointF(r.right() - (i % 2) * 14, y));
    }
}

void questionMark(QPainter& p, QPointF c, qreal size, const QColor& colour) {
    QFont f(QStringLiteral("DejaVu Sans"));
    f.setBold(true);
    f.setPixelSize(int(size));
    p.setFont(f);
    p.setPen(colour);
    p.drawText(QRectF(c.x() - size, c.y() - size, 2 * size, 2 * size), Qt::AlignCenter,
               QStringLiteral("?"));
}

const std::map<QString, Draw>& drawings() {
    static const std::map<QString, Draw> map = {
        {QStringLiteral("nouveau"),
         [](QPainter& p) {
             page(p, QRectF(22, 10, 66, 96));
             textLines(p, QRectF(34, 50, 40, 40), 3);
             plusBadge(p, QPointF(90, 92), kGreen);
         }},
        {QStringLiteral("ouvrir"),
         [](QPainter& p) {
             p.setPen(ink());
             p.setBrush(QColor(240, 196, 96));
             QPainterPath back;
             back.moveTo(12, 100);
             back.lineTo(12, 26);
             back.lineTo(44, 26);
             back.lineTo(52, 36);
             back.lineTo(96, 36);
             back.lineTo(96, 52);
             p.drawPath(back);
             QPainterPath front;
             front.moveTo(12, 100);
             front.lineTo(30, 52);
             front.lineTo(114, 52);
             front.lineTo(96, 100);
             front.closeSubpath();
             p.setBrush(kAmber);
             p.drawPath(front);
         }},
        {QStringLiteral("enregistrer"),
         [](QPainter& p) {
             p.setPen(ink());
             p.setBrush(kBlue);
             p.drawRoundedRect(QRectF(16, 16, 92, 92), 10, 10);
             p.setBrush(kPaper);
             p.drawRect(QRectF(34, 16, 56, 34));
             p.setBrush(QColor(210, 220, 236));
             p.drawRect(QRectF(30, 68, 64, 40));
             p.setBrush(kInk);
             p.drawRect(QRectF(72, 22, 10, 22));
         }},
        {QStringLiteral("copier"),
         [](QPainter& p) {
             page(p, QRectF(14, 10, 56, 76));
             page(p, QRectF(50, 38, 58, 78));
             textLines(p, QRectF(60, 70, 34, 30), 3);
         }},
        {QStringLiteral("couper"),
         [](QPainter& p) {
             p.setPen(QPen(kInk, 7, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(38, 12), QPointF(78, 78));
             p.drawLine(QPointF(86, 12), QPointF(46, 78));
             p.setPen(QPen(kRed, 8));
             p.setBrush(Qt::NoBrush);
             p.drawEllipse(QPointF(38, 94), 16, 16);
             p.drawEllipse(QPointF(86, 94), 16, 16);
         }},
        {QStringLiteral("coller"),
         [](QPainter& p) {
             p.setPen(ink());
             p.setBrush(QColor(186, 132, 82));
             p.drawRoundedRect(QRectF(18, 18, 76, 96), 8, 8);
             p.setBrush(QColor(200, 204, 210));
             p.drawRoundedRect(QRectF(40, 8, 32, 20), 5, 5);
             page(p, QRectF(48, 44, 62, 70));
             textLines(p, QRectF(58, 74, 36, 30), 3);
         }},
        {QStringLiteral("poubelle"),
         [](QPainter& p) {
             p.setPen(ink());
             p.setBrush(QColor(170, 186, 196));
             QPainterPath bin;
             bin.moveTo(28, 36);
             bin.lineTo(96, 36);
             bin.lineTo(88, 112);
             bin.lineTo(36, 112);
             bin.closeSubpath();
             p.drawPath(bin);
             p.drawRoundedRect(QRectF(18, 24, 88, 12), 4, 4);
             p.drawRoundedRect(QRectF(48, 12, 28, 12), 4, 4);
             p.setPen(QPen(kInk, 5, Qt::SolidLine, Qt::RoundCap));
             for (int x : {48, 62, 76}) {
                 p.drawLine(QPointF(x, 50), QPointF(x, 98));
             }
         }},
        {QStringLiteral("voir_case"),
         [](QPainter& p) {
             p.setPen(ink(5));
             p.setBrush(kPaper);
             p.drawRect(QRectF(10, 22, 90, 70));
             p.setBrush(QColor(216, 225, 239));
             p.drawRect(QRectF(40, 45, 30, 24));
             p.setPen(QPen(kInk, 3));
             p.drawLine(QPointF(10, 45), QPointF(100, 45));
             p.drawLine(QPointF(10, 69), QPointF(100, 69));
             p.drawLine(QPointF(40, 22), QPointF(40, 92));
             p.drawLine(QPointF(70, 22), QPointF(70, 92));
             p.setPen(QPen(kAmber, 14, Qt::SolidLine, Qt::FlatCap));
             p.drawLine(QPointF(70, 96), QPointF(110, 56));
             p.setPen(QPen(kInk, 4));
             p.setBrush(kInk);
             p.drawPolygon(QPolygonF{QPointF(62, 104), QPointF(66, 90), QPointF(76, 100)});
         }},
        {QStringLiteral("creer_page"),
         [](QPainter& p) {
             page(p, QRectF(20, 10, 70, 100));
             p.setPen(Qt::NoPen);
             p.setBrush(QColor(190, 214, 236));
             p.drawRect(QRectF(32, 44, 44, 30));
             plusBadge(p, QPointF(90, 92), kGreen);
         }},
        {QStringLiteral("diaporama"),
         [](QPainter& p) {
             p.setPen(ink(5));
             for (int i = 2; i >= 0; --i) {
                 const qreal o = i * 12;
                 p.setBrush(i == 0 ? QColor(120, 180, 230) : kPaper);
                 p.drawRect(QRectF(14 + o, 40 - o, 74, 56));
             }
             p.setPen(Qt::NoPen);
             p.setBrush(kGreen);
             p.drawPolygon(QPolygonF{QPointF(16, 94), QPointF(44, 62), QPointF(70, 94)});
             p.setBrush(kAmber);
             p.drawEllipse(QPointF(70, 56), 8, 8);
         }},
        {QStringLiteral("grille"),
         [](QPainter& p) {
             p.setPen(ink(5));
             for (int r = 0; r < 3; ++r) {
                 for (int c = 0; c < 3; ++c) {
                     p.setBrush((r + c) % 2 ? QColor(216, 225, 239) : QColor(243, 226, 195));
                     p.drawRect(QRectF(14 + c * 32, 14 + r * 32, 32, 32));
                 }
             }
         }},
        {QStringLiteral("positionner"),
         [](QPainter& p) {
             p.setPen(QPen(kTeal, 4, Qt::DashLine));
             p.setBrush(QColor(216, 236, 232));
             p.drawRect(QRectF(30, 30, 64, 64));
             p.setPen(QPen(kInk, 7, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
             p.drawLine(QPointF(62, 10), QPointF(62, 114));
             p.drawLine(QPointF(10, 62), QPointF(114, 62));
             p.setBrush(kInk);
             for (int a = 0; a < 4; ++a) {
                 p.save();
                 p.translate(62, 62);
                 p.rotate(90 * a);
                 p.drawPolygon(QPolygonF{QPointF(0, -56), QPointF(-12, -40), QPointF(12, -40)});
                 p.restore();
             }
         }},
        {QStringLiteral("story"),
         [](QPainter& p) {
             p.setPen(ink(5));
             p.setBrush(QColor(60, 64, 72));
             p.drawRoundedRect(QRectF(8, 26, 108, 72), 6, 6);
             p.setPen(Qt::NoPen);
             p.setBrush(kPaper);
             for (int i = 0; i < 6; ++i) {
                 p.drawRect(QRectF(16 + i * 17, 30, 9, 8));
                 p.drawRect(QRectF(16 + i * 17, 86, 9, 8));
             }
             const QColor frames[] = {QColor(120, 180, 230), kAmber, kGreen};
             for (int i = 0; i < 3; ++i) {
                 p.setBrush(frames[i]);
                 p.drawRect(QRectF(16 + i * 34, 44, 28, 36));
             }
         }},
        {QStringLiteral("jouer"),
         [](QPainter& p) {
             p.setPen(QPen(kInk, 5));
             p.setBrush(kGreen);
             p.drawEllipse(QPointF(62, 62), 50, 50);
             p.setPen(Qt::NoPen);
             p.setBrush(Qt::white);
             p.drawPolygon(QPolygonF{QPointF(48, 34), QPointF(90, 62), QPointF(48, 90)});
         }},
        {QStringLiteral("creer_appli"),
         [](QPainter& p) {
             p.setPen(ink(5));
             p.setBrush(QColor(198, 150, 96));
             p.drawPolygon(
                 QPolygonF{QPointF(14, 44), QPointF(62, 62), QPointF(62, 116), QPointF(14, 96)});
             p.setBrush(QColor(176, 128, 78));
             p.drawPolygon(
                 QPolygonF{QPointF(110, 44), QPointF(62, 62), QPointF(62, 116), QPointF(110, 96)});
             p.setBrush(QColor(226, 186, 132));
             p.drawPolygon(
                 QPolygonF{QPointF(14, 44), QPointF(62, 26), QPointF(110, 44), QPointF(62, 62)});
             p.setPen(QPen(kRed, 6, Qt::SolidLine, Qt::RoundCap));
             p.drawLine(QPointF(38, 35), QPointF(86, 53));
             p.setBrush(kAmber);
             p.setPen(ink(4));
             QPainterPath star;
             const QPointF c(92, 20);
             for (int i = 0; i < 10; ++i) {
                 const qreal radius = i % 2 ? 7 : 16;
                 const qreal angle = M_PI / 5 * i - M_PI / 2;
                 const QPointF pt = c + QPointF(radius * std::cos(angle), radius * std::sin(angle));
                 i == 0 ? star.moveTo(pt) : star.lineTo(pt);
             }
             star.closeSubpath();
             p.drawPath(star);
         }},
        {QStringLiteral("aide"),
         [](QPainter& p) {
             p.setPen(QPen(kInk, 5));
             p.setBrush(kBlue);
             p.drawEllipse(QPointF(62, 62), 50, 50);
             questionMark(p, QPointF(62, 64), 76, Qt::white);
         }},
        {QStringLiteral("question"),
         [](QPainter& p) {
             p.setPen(ink(5));
             p.setBrush(QColor(252, 236, 170));
             QPainterPath bubble;
             bubble.addRoundedRect(QRectF(10, 12, 104, 76), 24, 24);
             QPainterPath tail;
             tail.moveTo(34, 80);
             tail.lineTo(26, 112);
             tail.lineTo(62, 84);
             tail.closeSubpath();
             p.drawPath(bubble.united(tail));
             questionMark(p, QPointF(62, 50), 62, kInk);
         }},
        {QStringLiteral("quitter"),
         [](QPainter& p) {
             p.setPen(ink(5));
             p.setBrush(QColor(150, 104, 70));
             p.drawRect(QRectF(20, 12, 58, 100));
             p.setBrush(kAmber);
             p.drawEllipse(QPointF(66, 64), 5, 5);
             p.setPen(QPen(kRed, 10, Qt::SolidLine, Qt::RoundCap, Qt::RoundJoin));
             p.drawLine(QPointF(70, 62), QPointF(112, 62));
             p.drawPolyline(QPolygonF{QPointF(96, 44), QPointF(114, 62), QPointF(96, 80)});
         }},
    };
    return map;
}

}  // namespace

QStringList toolbarGlyphNames() {
    QStringList names;
    for (const auto& [name, draw] : drawings()) {
        names.append(name);
    }
    return names;
}

QImage toolbarGlyph(const QString& name) {
    const auto it = drawings().find(name);
    if (it == drawings().end()) {
        return {};
    }
    QImage big(kSide * kScale, kSide * kScale, QImage::Format_RGB32);
    big.fill(QColor(195, 198, 200));
    QPainter painter(&big);
    painter.setRenderHint(QPainter::Antialiasing);
    painter.setRenderHint(QPainter::TextAntialiasing);
    it->second(painter);
    painter.end();
    return big.scaled(kSide, kSide, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
}

}  // namespace ztv::assets
