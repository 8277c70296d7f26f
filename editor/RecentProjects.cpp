#include "editor/RecentProjects.h"

#include "editor/EditorState.h"

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

}  // namespace ztv::editor
