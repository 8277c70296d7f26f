#include "editor/PictureList.h"

#include "common/LangLines.h"
#include "common/platform/RecordFile.h"
#include "editor/PageComposer.h"
#include "editor/StoryboardRows.h"

#include <QFileInfo>
#include <QPainter>

namespace ztv::editor {

namespace {

constexpr int kThumbnailSide = 100;

QString kindCaption(const ElementRecord& r, const LanguageFile& language) {
    switch (kindOfRow(r.Ligne)) {
        case ElementKind::Sound:
            return language.text(lang::KindSound);
        case ElementKind::Video:
            return language.text(lang::KindVideo);
        case ElementKind::Background:
        case ElementKind::Picture:
            return language.text(lang::KindPicture);
        case ElementKind::Character:
            return language.text(lang::KindCharacter);
        case ElementKind::Panorama:
            return language.text(lang::KindPanorama);
        case ElementKind::Animation:
            return language.text(lang::KindAnimation);
        case ElementKind::Text:
            return language.text(lang::KindText);
        case ElementKind::LongText:
            return language.text(lang::KindLongText) + QStringLiteral(": ") + r.Fichier;
        case ElementKind::ClickZone:
        case ElementKind::KeywordList:
        case ElementKind::None:
            break;
    }
    return r.Fichier;
}

// The column item's picture: its caption written on the panel colour.
QImage columnPicture(const QString& text, QSize size) {
    QImage image(size, QImage::Format_RGB32);
    image.fill(QColor(216, 225, 239));
    QPainter painter(&image);
    painter.setPen(QColor(28, 109, 107));
    QFont font = painter.font();
    font.setPixelSize(11);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(image.rect().adjusted(4, 4, -4, -4), Qt::AlignCenter | Qt::TextWordWrap, text);
    return image;
}

}  // namespace

QString elementCaption(const ElementRecord& r, const LanguageFile& language) {
    QStringList parts{kindCaption(r, language)};
    if (const ElementKind kind = kindOfRow(r.Ligne);
        kind == ElementKind::Background || kind == ElementKind::Picture) {
        if (!r.Transparent.isEmpty() && r.Transparent != language.text(lang::AppearanceOpaque)) {
            parts.append(r.Transparent);
        }
        if (!r.Effet.isEmpty() && r.Effet != language.text(lang::EffectNone)) {
            parts.append(r.Effet);
        }
    }
    if (!r.Acte.isEmpty() && r.Acte != language.text(lang::ActionNone)) {
        QString action = r.Acte;
        for (const QString& parameter : {r.Destination, r.Destin2}) {
            if (!parameter.isEmpty()) {
                action += QLatin1Char(' ') + parameter;
            }
        }
        parts.append(action);
    }
    return parts.join(QStringLiteral(" - "));
}

std::optional<QList<PictureListItem>> buildPictureList(const QString& jouHost,
                                                       const PictureListSource& source) {
    if (!QFileInfo::exists(jouHost)) {
        return std::nullopt;
    }
    const auto records = RecordFile::readAll(jouHost, kPageRecordSize);
    if (!records) {
        return std::nullopt;
    }
    PageComposer composer(source.language, source.drives, source.mediaDrive, source.projectDir,
                          source.projectSize);
    const QSize thumbSize = composer.thumbnail(kThumbnailSide).size();
    QList<PictureListItem> items;
    int previousColumn = 0;
    for (qsizetype i = 1; i < records->size(); ++i) {
        const ElementRecord r = decodePageRecord(records->at(i));
        if (r.Fichier.isEmpty()) {
            continue;
        }
        if (r.Colonne > previousColumn + 1) {
            const QString text = source.language.text(lang::ColumnGap);
            items.append({true, r.Colonne, 0, text, columnPicture(text, thumbSize)});
        }
        previousColumn = r.Colonne;
        composer.add(r);
        items.append({false, r.Colonne, int(i), elementCaption(r, source.language),
                      composer.thumbnail(kThumbnailSide)});
    }
    return items;
}

}  // namespace ztv::editor
