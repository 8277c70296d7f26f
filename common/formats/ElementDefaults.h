#pragma once

#include "common/formats/ElementRecord.h"
#include "common/formats/LanguageFile.h"

#include <QRect>

namespace ztv {

// A visual element as it stands before any option is chosen: no effect, opaque, no action,
// every flag "non", the effect running from 0 to 100 by 10. Vocabulary comes from the
// language file, as every stored word does.
ElementRecord plainElement(const LanguageFile& language, int row, int column,
                           const QString& fichier, QRect rect);

}  // namespace ztv
