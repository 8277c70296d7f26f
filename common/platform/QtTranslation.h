#pragma once

#include <QString>
#include <QTranslator>
#include <memory>

namespace ztv {

// Qt's own dialogs and buttons (file, colour and font dialogs) in the language of the program's
// language file: French for "FRENCH", English (Qt's own texts) otherwise. The translator stays
// installed while the returned object lives; nullptr when there is nothing to install.
std::unique_ptr<QTranslator> installQtTranslation(const QString& languageName);

}  // namespace ztv
