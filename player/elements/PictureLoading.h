#pragma once

#include "player/elements/ElementRoles.h"

#include <QImage>
#include <QString>
#include <memory>

namespace ztv {

class AnimatedPicture;

// What a picture load keeps besides the picture, for the frame list that may follow.
struct LoadedPicture {
    LoadedPicture();
    ~LoadedPicture();
    LoadedPicture(LoadedPicture&&) noexcept;
    LoadedPicture& operator=(LoadedPicture&&) noexcept;

    // A GIF of several frames; null for any other picture.
    std::unique_ptr<AnimatedPicture> gif;
    // The stored name loaded: its extension says how a strip is cut.
    QString name;
};

// An element's picture into target, sized by the caller: a file's picture covers the whole
// target (or replaces it: bitmaps keep their own size), so the caller need not fill it first.
// From a file found through the roles' media finder, or with mediaByPage from the page's media
// data file. False after a message. Needs the messages and the media finder.
bool loadPicture(const ElementRoles& roles, const QString& fichier, QImage& target,
                 bool mediaByPage, LoadedPicture& kept);

}  // namespace ztv
