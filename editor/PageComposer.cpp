#include "editor/PageComposer.h"

#include "common/ColorText.h"
#include "common/ElementKinds.h"
#include "common/LangLines.h"
#include "common/MovedMedia.h"

#include <QFileInfo>
#include <QImageReader>
#include <QLinearGradient>
#include <QPainter>

namespace ztv::editor {

QColor recordColour(std::int32_t value) {
    return colourOfValue(std::uint32_t(value));
}

PageComposer::PageComposer(const LanguageFile& language, const DriveTable& drives,
                           QString mediaDrive, QString projectDirHost, QSize pageSize)
    : language_(language),
      drives_(drives),
      mediaDrive_(std::move(mediaDrive)),
      projectDir_(std::move(projectDirHost)),
      page_(pageSize.expandedTo(QSize(1, 1)), QImage::Format_RGB32) {
    page_.fill(Qt::white);
}

QImage PageComposer::thumbnail(int longSide) const {
    return page_.scaled(QSize(longSide, longSide), Qt::KeepAspectRatio, Qt::SmoothTransformation);
}

QImage PageComposer::loadPicture(const QString& stored) const {
    QString host = drives_.toHost(mediaDrive_ + stored);
    if (host.isEmpty() || !QFileInfo::exists(host)) {
        host = findBesideProject(stored, projectDir_);
    }
    if (host.isEmpty()) {
        return {};
    }
    QImageReader reader(host);
    reader.setDecideFormatFromContent(true);
    return reader.read();
}

QRect PageComposer::rectOf(const ElementRecord& r) const {
    const QRect rect(r.Gauche, r.Haut, r.Largeur, r.Hauteur);
    return rect.isValid() ? rect : page_.rect();
}

void PageComposer::add(const ElementRecord& r) {
    if (r.Fichier == language_.text(lang::MarkerDisappear) ||
        r.Fichier == language_.text(lang::MarkerSoundStop)) {
        return;
    }
    switch (kindOfRow(r.Ligne)) {
        case ElementKind::Background:
            drawBackground(r);
            break;
        case ElementKind::Picture:
        case ElementKind::Character:
        case ElementKind::Panorama:
        case ElementKind::Animation:
            drawPicture(r);
            break;
        case ElementKind::Text:
            drawText(r);
            break;
        case ElementKind::ClickZone:
            drawOutline(r, QColor(200, 40, 40), Qt::DashLine);
            break;
        case ElementKind::Video:
        case ElementKind::KeywordList:
        case ElementKind::LongText:
            drawOutline(r, QColor(40, 60, 140), Qt::SolidLine);
            break;
        case ElementKind::Sound:
        case ElementKind::None:
            break;
    }
}

void PageComposer::drawBackground(const ElementRecord& r) {
    QPainter painter(&page_);
    if (r.Fichier == language_.text(lang::MarkerPlainBackground)) {
        painter.fillRect(page_.rect(), recordColour(r.Couleur));
    } else if (r.Fichier == language_.text(lang::MarkerGradient)) {
        QLinearGradient gradient(0, 0, 0, page_.height());
        if (r.sensdegra == language_.text(lang::GradientLeftToRight)) {
            gradient.setFinalStop(page_.width(), 0);
        }
        gradient.setColorAt(0, recordColour(r.Couleur));
        gradient.setColorAt(1, recordColour(r.Couldegra));
        painter.fillRect(page_.rect(), gradient);
    } else if (r.Fichier == language_.text(lang::MarkerBackgroundDisappear)) {
        painter.fillRect(page_.rect(), Qt::white);
    } else {
        const QImage picture = loadPicture(r.Fichier);
        if (!picture.isNull()) {
            painter.drawImage(rectOf(r), picture);
        }
    }
}

void PageComposer::drawPicture(const ElementRecord& r) {
    const QImage picture = loadPicture(r.Fichier);
    if (picture.isNull()) {
        drawOutline(r, QColor(90, 90, 90), Qt::DotLine);
        return;
    }
    QPainter painter(&page_);
    painter.setRenderHint(QPainter::SmoothPixmapTransform);
    painter.drawImage(rectOf(r), picture);
}

void PageComposer::drawText(const ElementRecord& r) {
    QPainter painter(&page_);
    const QStringList font = r.sensdegra.split(QLatin1Char(','));
    QFont f(font.value(0).isEmpty() ? QStringLiteral("Arial") : font.value(0));
    const int size = font.value(2).toInt();
    f.setPixelSize(size > 0 ? size * 4 / 3 : 16);
    painter.setFont(f);
    painter.setPen(recordColour(r.Couleur));
    const QString text = r.Fichier.split(QLatin1Char(',')).join(QLatin1Char('\n'));
    painter.drawText(rectOf(r), Qt::AlignLeft | Qt::AlignTop | Qt::TextWordWrap, text);
}

void PageComposer::drawOutline(const ElementRecord& r, const QColor& colour, Qt::PenStyle style) {
    QPainter painter(&page_);
    QPen pen(colour, std::max(1, page_.width() / 200), style);
    painter.setPen(pen);
    QColor fill = colour;
    fill.setAlpha(40);
    painter.setBrush(fill);
    painter.drawRect(rectOf(r).adjusted(0, 0, -1, -1));
}

}  // namespace ztv::editor
