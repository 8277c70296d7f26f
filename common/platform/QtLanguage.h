#pragma once

#include <QLocale>
#include <QString>
#include <QTranslator>
#include <memory>

namespace ztv {

// Qt's own words (file, colour, font and print dialogs) and the dates and numbers shown through
// QLocale follow the language of the program's language file ("FRENCH", "ENGLISH"...) for as
// long as this object lives; its end gives back the locale and words there were before.
class QtLanguage {
  public:
    explicit QtLanguage(const QString& languageName);
    ~QtLanguage();
    QtLanguage(const QtLanguage&) = delete;
    QtLanguage& operator=(const QtLanguage&) = delete;

  private:
    QLocale previous_;
    std::unique_ptr<QTranslator> translator_;
};

// The locale of a language file's name: the language of that English name in upper case, the
// system's locale for a name that is no language.
QLocale localeOfLanguage(const QString& languageName);

}  // namespace ztv
