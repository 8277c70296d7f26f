#include "common/formats/LanguageFile.h"

#include "common/platform/FileIo.h"

namespace ztv {

bool LanguageFile::load(const QString& hostPath) {
    path_ = hostPath;
    auto lines = readLines(hostPath);
    lines_ = lines.value_or(QStringList());
    return lines.has_value();
}

QString LanguageFile::text(int n) const {
    if (n < 0 || n >= lines_.size()) {
        return {};
    }
    const QString& line = lines_[n];
    const qsizetype comma = line.indexOf(u',');
    return comma < 0 ? QString() : line.mid(comma + 1);
}

QString LanguageFile::message(int n) const {
    const QString line = text(n);
    if (!line.trimmed().isEmpty()) {
        return line;
    }
    return QStringLiteral("Language line %1 is missing from %2.")
        .arg(n)
        .arg(path_.isEmpty() ? QStringLiteral("the language file") : path_);
}

bool LanguageFile::isLine(const QString& stored, int n) const {
    const QString line = text(n);
    return !line.isEmpty() && stored == line;
}

}  // namespace ztv
