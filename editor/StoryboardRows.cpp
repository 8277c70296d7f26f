#include "editor/StoryboardRows.h"

namespace ztv::editor {

int kindOfRow(int row) {
    if (row < 1 || row > kLongTextRow) {
        return -1;
    }
    if (row <= 2) {
        return row - 1;
    }
    if (row <= 23) {
        return 2;
    }
    if (row <= 25) {
        return row - 21;
    }
    if (row <= 29) {
        return 5;
    }
    if (row <= kLastTextRow) {
        return 6;
    }
    if (row <= 59) {
        return 7;
    }
    return row == kKeywordRow ? 8 : 9;
}

QString rowPicture(int row) {
    static const char* const names[] = {"son",       "video", "image",    "personnage", "panorama",
                                        "animation", "texte", "zoneclic", "motcle",     "longtext"};
    const int kind = kindOfRow(row);
    if (kind < 0) {
        return {};
    }
    const QString name = row == 3 ? QStringLiteral("fond") : QString::fromLatin1(names[kind]);
    return QStringLiteral("boutons/ligne_%1.jpg").arg(name);
}

QString cellTextFor(int row, const QString& fichier) {
    if (row >= kFirstTextRow && row <= kKeywordRow) {
        return fichier;
    }
    return fichier.mid(fichier.lastIndexOf(QLatin1Char('\\')) + 1);
}

}  // namespace ztv::editor
