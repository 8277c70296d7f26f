#pragma once

#include "editor/widgets/EditorPictures.h"

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QString>
#include <algorithm>
#include <optional>

namespace ztv {
class LanguageFile;
class Prompter;
struct ElementRecord;
}  // namespace ztv

namespace ztv::editor {

// The frames of a character or animation strip for the position editor's previews, and the
// colour they are drawn through, if any.
struct FrameList {
    QList<QImage> frames;
    std::optional<QRgb> mask;

    int count() const { return int(frames.size()); }
    // The frame after i, back to the first after the last.
    int next(int i) const { return (i + 1) % std::max(1, count()); }
    // Frame i at `at` on the target, the mask colour leaving the target as it was.
    void draw(QImage& target, QPoint at, int i) const;
};

// How many frames the record's strip holds (`Couleur`), within what a GIF may give.
int stripFrameCount(const ElementRecord& record);

// The record's picture as a strip of `frames` frames of its size side by side, prepared as the
// page shows it (markers, appearance mode, tint); in strip mode an animated GIF gives its frames.
// Null picture when the file is nowhere (after its message) or the strip is larger than the
// player draws. A missing file's message starts with the caller's prefix.
PictureControl loadStrip(EditorPictures& pictures, const ElementRecord& record, int frames,
                         bool stripMode = true,
                         const QString& messagePrefix = QStringLiteral("Position 1"));

// Cuts strips of frames of one size laid side by side. A frame that cannot be cut is told
// with the file of the record being drawn (as a person reads it), and the others are still cut.
class FrameCutter {
  public:
    FrameCutter(const LanguageFile& language, Prompter& prompter, QString fichier)
        : language_(language), prompter_(prompter), fichier_(std::move(fichier)) {}

    // `count` frames of frameSize from the strip, drawn through `mask` when one is given.
    FrameList cut(const QImage& strip, int count, QSize frameSize, std::optional<QRgb> mask) const;

    // A character over its background: each frame of the strip, drawn through the mask colour,
    // is laid over what `page` shows at `rect`, in place. A failure is told once; the frames
    // composed so far stay.
    void composeOverBackground(QImage& strip, int count, const QRect& rect, QRgb mask,
                               const QImage& page) const;

  private:
    const LanguageFile& language_;
    Prompter& prompter_;
    QString fichier_;
};

}  // namespace ztv::editor
