#include "editor/dialogs/OutsideTool.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/dialogs/ToolSettingsDialog.h"
#include "editor/document/MediaLookup.h"
#include "editor/document/SessionSettings.h"
#include "editor/widgets/TiledDialog.h"

#include <QProcess>

namespace ztv::editor {

ProgramStarter detachedStarter() {
    return [](const QString& program, const QStringList& arguments) {
        return QProcess::startDetached(program, arguments);
    };
}

void startOutsideTool(SessionSettings& state, Prompter& prompter, QWidget* parent, int settingsLine,
                      const QStringList& arguments, const ProgramStarter& startProgram) {
    auto configured = [&] {
        const QString tool = state.settings.line(settingsLine);
        return tool.isEmpty() || tool == u"$" ? QString() : tool;
    };
    if (configured().isEmpty()) {
        ToolSettingsDialog settings(state, prompter, parent);
        runModal(state, settings);
    }
    if (const QString tool = configured(); !tool.isEmpty()) {
        const QString program = state.drives.outsideToHost(tool);
        if (!startProgram(program, arguments)) {
            prompter.message(state.text(lang::ProgramNotStarted) + u' ' + program);
        }
    }
}

QStringList pictureArguments(SessionSettings& state, const QString& fichier) {
    if (fichier.isEmpty()) {
        return {};
    }
    lookUpMedia(state, fichier);
    return {mediaHostPath(state, fichier)};
}

}  // namespace ztv::editor
