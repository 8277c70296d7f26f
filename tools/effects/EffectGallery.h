#pragma once

#include <QSize>
#include <QString>
#include <QTextStream>

class QImage;

namespace ztv::gallery {

// A picture made by code with shapes, gradients and edges on every side, so that every
// effect shows what it does.
QImage samplePicture(QSize size);
// The page beneath it: a grey checkerboard.
QImage sampleBackground(QSize size);

// The editor's effect pictures: transitions/n.bmp for entry n of the effect list, each effect
// caught halfway. False with `error` set on failure.
bool writeTransitionPictures(const QString& dir, QString* error);

// Every effect at 25, 50 and 75 percent as effectNN-PP.png in `dir`, with a list of the
// effects (number, language line, name from `languageFile`) on `out`.
bool writeEffectGallery(const QString& dir, const QString& languageFile, QTextStream& out,
                        QString* error);

}  // namespace ztv::gallery
