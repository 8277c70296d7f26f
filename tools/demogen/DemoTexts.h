#pragma once

#include "common/formats/ElementRecord.h"
#include "common/formats/LanguageFile.h"

#include <QList>
#include <QString>

// The demo's texts: titles and captions on its pages, and the page of effects 40 to 60.
namespace ztv::demo {

// The titles and captions of pages 1 to 3: several fonts, shadows, left, right and centred lines,
// and on page 3 a caption that lights up under the mouse and leads to the effects 40 to 60.
QList<ElementRecord> pageTexts(const LanguageFile& lang, int page);

// The page that shows effects 40 to 60, and the menu that leads to every page.
inline constexpr int kSavedEffectsPage = 5;
inline constexpr int kMenuPage = 6;

// That page: the effects over a saved background, two pictures a column with their names
// beneath, among `pictures` (stored paths).

QList<ElementRecord> savedEffectsPage(const LanguageFile& lang, const QStringList& pictures);

}  // namespace ztv::demo
