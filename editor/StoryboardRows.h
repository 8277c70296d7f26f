#pragma once

#include <QString>

namespace ztv::editor {

inline constexpr int kFirstTextRow = 30;
inline constexpr int kLastTextRow = 49;
inline constexpr int kKeywordRow = 60;
inline constexpr int kLongTextRow = 61;

// The kind index shared by every row that holds the same kind of element (0 sound, 1 video,
// 2 background or picture, 3 character, 4 panorama, 5 animation, 6 text, 7 click zone,
// 8 keyword, 9 long text); -1 outside rows 1 to 61.
int kindOfRow(int row);

// The picture of the row's label cell, relative to APPDIR ("boutons/ligne_son.jpg"...).
QString rowPicture(int row);

// What a cell shows for a record: rows 1 to 29 and 61 show the file name after the last
// backslash, rows 30 to 60 (texts, click zones, keywords) their whole Fichier.
QString cellTextFor(int row, const QString& fichier);

}  // namespace ztv::editor
