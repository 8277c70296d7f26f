#include "tools/effects/EffectGallery.h"

#include "common/formats/LanguageFile.h"
#include "player/transitions/EffectNames.h"
#include "player/transitions/TransitionPreview.h"

#include <QDir>
#include <QImage>
#include <QLinearGradient>
#include <QPainter>
#include <QRadialGradient>

namespace ztv::gallery {
namespace {

constexpr QSize kTransitionPictureSize(96, 72);
constexpr QSize kGallerySize(320, 240);
// Generated pictures must come out the same at every build.
constexpr std::uint32_t kSeed = 2024;

// The editor's default option is 2 (bands, turns, zoom factor); the stretch flag of the
// wipes stays off.
int previewOption(int effect) {
    return effect >= 2 && effect <= 16 ? 0 : 2;
}

bool savePicture(const QImage& image, const QString& path, QString* error) {
    if (image.save(path)) {
        return true;
    }
    *error = QStringLiteral("cannot write %1").arg(path);
    return false;
}

bool makeFolder(const QString& dir, QString* error) {
    if (QDir().mkpath(dir)) {
        return true;
    }
    *error = QStringLiteral("cannot create %1").arg(dir);
    return false;
}

}  // namespace

QImage samplePicture(QSize size) {
    QImage picture(size, QImage::Format_RGB32);
    const qreal w = size.width();
    const qreal h = size.height();
    QPainter painter(&picture);
    painter.setRenderHint(QPainter::Antialiasing);
    QLinearGradient sky(0, 0, 0, h);
    sky.setColorAt(0, QColor(28, 74, 150));
    sky.setColorAt(1, QColor(250, 196, 120));
    painter.fillRect(picture.rect(), sky);
    QRadialGradient sun(w * 0.72, h * 0.3, h * 0.18);
    sun.setColorAt(0, QColor(255, 250, 210));
    sun.setColorAt(1, QColor(250, 170, 40));
    painter.setPen(Qt::NoPen);
    painter.setBrush(sun);
    painter.drawEllipse(QPointF(w * 0.72, h * 0.3), h * 0.16, h * 0.16);
    painter.setBrush(QColor(40, 110, 60));
    painter.drawPolygon(QPolygonF(
        {{0, h * 0.7}, {w * 0.3, h * 0.5}, {w * 0.6, h * 0.68}, {w, h * 0.55}, {w, h}, {0, h}}));
    painter.setBrush(QColor(230, 230, 240));
    painter.drawRect(QRectF(w * 0.12, h * 0.58, w * 0.14, h * 0.2));
    painter.setBrush(QColor(170, 40, 40));
    painter.drawPolygon(
        QPolygonF({{w * 0.1, h * 0.58}, {w * 0.19, h * 0.46}, {w * 0.28, h * 0.58}}));
    // A frame, so the edges of the picture show where they land.
    painter.setRenderHint(QPainter::Antialiasing, false);
    painter.setPen(QPen(QColor(255, 255, 255), std::max(1.0, h / 60)));
    painter.setBrush(Qt::NoBrush);
    painter.drawRect(picture.rect().adjusted(0, 0, -1, -1));
    return picture;
}

QImage sampleBackground(QSize size) {
    QImage background(size, QImage::Format_RGB32);
    const int cell = std::max(4, size.height() / 12);
    QPainter painter(&background);
    for (int y = 0; y < size.height(); y += cell) {
        for (int x = 0; x < size.width(); x += cell) {
            const bool dark = ((x / cell) + (y / cell)) % 2 == 0;
            painter.fillRect(x, y, cell, cell, dark ? QColor(90, 90, 96) : QColor(140, 140, 148));
        }
    }
    return background;
}

bool writeTransitionPictures(const QString& dir, QString* error) {
    if (!makeFolder(dir, error)) {
        return false;
    }
    const LanguageFile noNames;  // effects are addressed by number here
    TransitionEngine engine(noNames, nullptr);
    engine.seed(kSeed);
    const QImage picture = samplePicture(kTransitionPictureSize);
    const QImage background = sampleBackground(kTransitionPictureSize);
    const auto lines = EffectNames::listLines();
    for (std::size_t n = 0; n < lines.size(); ++n) {
        const int effect = EffectNames::numberOfLine(lines[n]);
        const QImage shot =
            transitionSnapshot(engine, effect, 50, previewOption(effect), background, picture);
        if (!savePicture(shot, QDir(dir).filePath(QStringLiteral("%1.bmp").arg(n)), error)) {
            return false;
        }
    }
    return true;
}

bool writeEffectGallery(const QString& dir, const QString& languageFile, QTextStream& out,
                        QString* error) {
    if (!makeFolder(dir, error)) {
        return false;
    }
    LanguageFile lang;
    lang.load(languageFile);
    TransitionEngine engine(lang, nullptr);
    engine.seed(kSeed);
    const QImage picture = samplePicture(kGallerySize);
    const QImage background = sampleBackground(kGallerySize);
    for (const int line : EffectNames::listLines()) {
        const int effect = EffectNames::numberOfLine(line);
        for (const int percent : {25, 50, 75}) {
            const QImage shot = transitionSnapshot(engine, effect, percent, previewOption(effect),
                                                   background, picture);
            const QString name =
                QStringLiteral("effect%1-%2.png").arg(effect, 2, 10, QLatin1Char('0')).arg(percent);
            if (!savePicture(shot, QDir(dir).filePath(name), error)) {
                return false;
            }
        }
        out << QStringLiteral("%1").arg(effect, 2, 10, QLatin1Char('0')) << ' ' << line << ' '
            << lang.text(line) << '\n';
    }
    return true;
}

}  // namespace ztv::gallery
