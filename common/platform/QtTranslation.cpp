#include "common/platform/QtTranslation.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace ztv {

std::unique_ptr<QTranslator> installQtTranslation(const QString& languageName) {
    if (languageName != QStringLiteral("FRENCH")) {
        return nullptr;
    }
    auto translator = std::make_unique<QTranslator>();
    if (!translator->load(QStringLiteral("qtbase_fr"),
                          QLibraryInfo::path(QLibraryInfo::TranslationsPath)) ||
        !QCoreApplication::installTranslator(translator.get())) {
        qWarning("Qt's French translation (qtbase_fr.qm) is not installed");
        return nullptr;
    }
    return translator;
}

}  // namespace ztv
