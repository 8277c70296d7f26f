#pragma once

#include "common/formats/ElementRecord.h"
#include "common/formats/LanguageFile.h"

#include <QList>
#include <QString>
#include <functional>

namespace ztv::demo {

// The page of moving figures: a panorama, a character that speaks and two animations that cross
// the page.
inline constexpr int kSpritePage = 7;

// Writes the page's pictures and the character's voice into dirHost; false with *error.
bool saveSpritePageMedia(const QString& dirHost, QString* error);

// The page's records; `stored` gives the drive-less path of a file of the demo, `menuPage` the
// page its button goes back to.
QList<ElementRecord> spritePage(const LanguageFile& lang,
                                const std::function<QString(const QString&)>& stored, int menuPage);

}  // namespace ztv::demo
