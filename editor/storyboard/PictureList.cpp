#include "editor/storyboard/PictureList.h"

#include "common/formats/ActionModel.h"
#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/StoryboardRows.h"
#include "editor/position/PageRendering.h"
#include "editor/position/PlaceholderLabel.h"

#include <QFileInfo>

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

// The column item's picture: its caption as a label on a page-size picture, scaled as the page.
QImage columnPicture(const QString& text, QSize page, QSize size, const LanguageFile& language) {
    QImage image(page, QImage::Format_RGB32);
    image.fill(QColor(216, 225, 239));
    drawPlaceholderLabel(image, text, language.text(lang::ListingFontName));
    return image.scaled(size, Qt::IgnoreAspectRatio, Qt::SmoothTransformation);
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
    if (const Action action = actionOf(r, language); action.isAction()) {
        QString caption = r.Acte;
        for (const QString& parameter : {action.first, action.second}) {
            if (!parameter.isEmpty()) {
                caption += QLatin1Char(' ') + parameter;
            }
        }
        parts.append(caption);
    }
    return parts.join(QStringLiteral(" - "));
}

QSize pictureListSize(QSize page) {
    const int w = std::max(1, page.width());
    const int h = std::max(1, page.height());
    if (w < h) {
        return {std::max(1, kThumbnailSide * w / h), kThumbnailSide};
    }
    return {kThumbnailSide, std::max(1, kThumbnailSide * h / w)};
}

std::optional<QList<PictureListItem>> buildPictureList(const QString& jouHost,
                                                       SessionSettings& state, Prompter& prompter) {
    if (!QFileInfo::exists(jouHost)) {
        return std::nullopt;
    }
    const auto records = readPageFile(jouHost);
    if (!records) {
        return std::nullopt;
    }
    const QSize page(state.projectWidth, state.projectHeight);
    const QSize size = pictureListSize(page);
    PageRendering rendering(state, prompter, page);
    rendering.setMissingFilePrefixes(MissingFilePrefixes::pictureList());
    // Out of memory, an item keeps its caption without a picture.
    const auto added = [&](QImage picture) {
        if (picture.isNull()) {
            prompter.message(state.language.message(lang::PictureNotListed));
        }
        return picture;
    };
    QList<PictureListItem> items;
    int previousColumn = 0;
    rendering.render(*records, 0, [&](int index, const ElementRecord& r) {
        if (r.Colonne > previousColumn + 1) {
            const QString text = state.language.text(lang::ColumnGap);
            items.append(
                {true, r.Colonne, 0, text, added(columnPicture(text, page, size, state.language))});
        }
        previousColumn = r.Colonne;
        items.append({false, r.Colonne, index, elementCaption(r, state.language),
                      added(rendering.page().scaled(size, Qt::IgnoreAspectRatio,
                                                    Qt::SmoothTransformation))});
    });
    return items;
}

}  // namespace ztv::editor
