#include "editor/animation/WindowsFilter.h"

#include <QStringList>

namespace ztv::editor {

QString qtFileFilter(const QString& windowsFilter) {
    const QStringList parts = windowsFilter.split(u'|');
    QStringList filters;
    for (int i = 0; i + 1 < parts.size(); i += 2) {
        QStringList patterns;
        for (const QString& pattern : parts[i + 1].split(u';', Qt::SkipEmptyParts)) {
            patterns << pattern.trimmed();
            if (pattern.toUpper() != pattern) {
                patterns << pattern.trimmed().toUpper();
            }
        }
        filters << QStringLiteral("%1 (%2)").arg(parts[i].trimmed(), patterns.join(u' '));
    }
    return filters.join(QStringLiteral(";;"));
}

}  // namespace ztv::editor
