#pragma once

#include <QImage>
#include <QSize>
#include <QString>

namespace ztv::editor {

// The size of the copy of a picture larger than the screen: the screen's width or height,
// whichever keeps the picture's proportions inside the screen.
QSize reducedSize(QSize picture, QSize screen);

// The first free name "<base>-n.jpg" (or ".bmp"), n from 1 to 1000, where base is the source
// path without its extension, or the source's file name in folderHost when given. Empty when
// all 1000 names are taken.
QString reducedCopyPath(const QString& sourceHost, const QString& folderHost, bool jpeg);

// Draws the picture stretched to the size and saves it as JPEG or BMP through a temporary
// file. False, with the reason, when nothing was saved.
bool saveReducedCopy(const QImage& picture, QSize size, const QString& targetHost, bool jpeg,
                     QString* error);

}  // namespace ztv::editor
