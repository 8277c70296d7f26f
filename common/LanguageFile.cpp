#include "common/LanguageFile.h"

#include "common/platform/FileIo.h"

namespace ztv {

bool LanguageFile::load(const QString& hostPath) {
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

bool LanguageFile::isLine(const QString& stored, int n) const {
    const QString line = text(n);
    return !line.isEmpty() && stored == line;
}

}  // namespace ztv
