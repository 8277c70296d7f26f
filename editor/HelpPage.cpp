#include "editor/HelpPage.h"

#include "common/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/EditorState.h"

#include <QDesktopServices>
#include <QFileInfo>
#include <QUrl>

namespace ztv::editor {

bool helpInFrench(const EditorState& state) {
    return state.languageName.compare(QStringLiteral("FRENCH"), Qt::CaseInsensitive) == 0;
}

QString helpFilePath(const EditorState& state, const QString& page) {
    const QString folder = helpInFrench(state) ? QStringLiteral("aide/zentrovale/")
                                               : QStringLiteral("help/zentrovale/");
    return state.paths.asset(folder + page);
}

void showHelpPage(const EditorState& state, Prompter& prompter, const QString& page,
                  const QString& anchor) {
    const QString path = helpFilePath(state, page);
    if (!QFileInfo::exists(path)) {
        prompter.message(state.text(lang::NotAvailableYet));
        return;
    }
    QUrl url = QUrl::fromLocalFile(path);
    url.setFragment(anchor);
    QDesktopServices::openUrl(url);
}

}  // namespace ztv::editor
