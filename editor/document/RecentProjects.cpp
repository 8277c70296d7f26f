#include "editor/document/RecentProjects.h"

#include "editor/document/SessionSettings.h"

#include <QFileInfo>

namespace ztv::editor {

void updateRecentList(NumberedLines& settings, const QString& path) {
    int from = LastRecentLine;
    for (int line = FirstRecentLine; line <= LastRecentLine; ++line) {
        if (settings.line(line) == path) {
            from = line;
            break;
        }
    }
    for (int line = from; line > FirstRecentLine; --line) {
        settings.setLine(line, settings.line(line - 1));
    }
    settings.setLine(FirstRecentLine, path);
    settings.setLine(LastProjectLine, path);
}

QString canonicalProjectPath(const QString& host) {
    const QFileInfo info(host);
    if (const QString canonical = info.canonicalFilePath(); !canonical.isEmpty()) {
        return canonical;
    }
    // A project about to be saved: its folder exists, the file not yet.
    const QString folder = QFileInfo(info.absolutePath()).canonicalFilePath();
    return folder.isEmpty() ? info.absoluteFilePath() : folder + u'/' + info.fileName();
}

}  // namespace ztv::editor
