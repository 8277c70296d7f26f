#include "common/platform/QtLanguage.h"

#include <QCoreApplication>
#include <QLibraryInfo>

namespace ztv {

namespace {

// Qt's catalogues still file the file dialog's type words ("Folder", "Drive") under the file
// dialog, where they were before they moved to the icon provider: they are looked up there too.
class QtCatalogue : public QTranslator {
  public:
    QString translate(const char* context, const char* source, const char* disambiguation,
                      int n) const override {
        QString words = QTranslator::translate(context, source, disambiguation, n);
        if (words.isEmpty() && qstrcmp(context, "QAbstractFileIconProvider") == 0) {
            words = QTranslator::translate("QFileDialog", source, disambiguation, n);
        }
        return words;
    }
};

}  // namespace

QLocale localeOfLanguage(const QString& languageName) {
    for (int l = QLocale::C + 1; l <= QLocale::LastLanguage; ++l) {
        const auto language = static_cast<QLocale::Language>(l);
        if (QLocale::languageToString(language).compare(languageName, Qt::CaseInsensitive) == 0) {
            return QLocale(language);
        }
    }
    return QLocale::system();
}

QtLanguage::QtLanguage(const QString& languageName) {
    const QLocale locale = localeOfLanguage(languageName);
    QLocale::setDefault(locale);
    auto catalogue = std::make_unique<QtCatalogue>();
    if (catalogue->load(locale, QStringLiteral("qtbase"), QStringLiteral("_"),
                        QLibraryInfo::path(QLibraryInfo::TranslationsPath)) &&
        QCoreApplication::installTranslator(catalogue.get())) {
        translator_ = std::move(catalogue);
    } else if (locale.language() != QLocale::English) {
        qWarning("Qt's translation for %s (qtbase_*.qm) is not installed",
                 qPrintable(QLocale::languageToString(locale.language())));
    }
}

QtLanguage::~QtLanguage() {
    translator_.reset();
    QLocale::setDefault(previous_);
}

}  // namespace ztv
