#include "editor/document/StoryboardRows.h"

namespace ztv::editor {
namespace {

const char* pictureName(ElementKind kind) {
    switch (kind) {
        case ElementKind::Sound:
            return "son";
        case ElementKind::Video:
            return "video";
        case ElementKind::Background:
            return "fond";
        case ElementKind::Picture:
            return "image";
        case ElementKind::Character:
            return "personnage";
        case ElementKind::Panorama:
            return "panorama";
        case ElementKind::Animation:
            return "animation";
        case ElementKind::Text:
            return "texte";
        case ElementKind::ClickZone:
            return "zoneclic";
        case ElementKind::KeywordList:
            return "motcle";
        case ElementKind::LongText:
            return "longtext";
        case ElementKind::None:
            break;
    }
    return nullptr;
}

}  // namespace

QString rowPicture(int row) {
    const char* name = pictureName(kindOfRow(row));
    return name ? QStringLiteral("boutons/ligne_%1.jpg").arg(QLatin1String(name)) : QString();
}

QString cellTextFor(int row, const QString& fichier) {
    if (!factsOfRow(row).fileInFichier) {
        return fichier;
    }
    return fichier.mid(fichier.lastIndexOf(QLatin1Char('\\')) + 1);
}

}  // namespace ztv::editor
