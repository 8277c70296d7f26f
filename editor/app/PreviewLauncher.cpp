#include "editor/app/PreviewLauncher.h"

#include "common/formats/LangLines.h"
#include "common/platform/FileIo.h"
#include "common/platform/Prompter.h"
#include "editor/app/OutsideTools.h"
#include "editor/document/SessionSettings.h"
#include "editor/widgets/HelpPages.h"
#include "player/ui/CloseRequest.h"

#include <QDir>

namespace ztv::editor {

namespace {

// The title of the player's main window, which names its close channel.
const QString kPlayerWindowTitle = QStringLiteral("Form1");

QString runPagePath(const SessionSettings& state) {
    return state.paths.data(QStringLiteral("run.htm"));
}

}  // namespace

PreviewLauncher::PreviewLauncher(SessionSettings& state, Prompter& prompter)
    : state_(state),
      prompter_(prompter),
      closeRequester_([] { sendCloseRequest(kPlayerWindowTitle); }) {}

QStringList PreviewLauncher::playerArguments(int page, bool later) const {
    QStringList arguments{QStringLiteral("somm"), QString::number(page)};
    // The player looks for the working copy beside itself unless told where it is: an
    // installation whose data folder is elsewhere names it from the first preview on.
    if (later || QDir(state_.paths.dataDir()) != QDir(state_.paths.appDir())) {
        arguments.append(QDir::toNativeSeparators(state_.paths.dataDir()));
    }
    return arguments;
}

bool PreviewLauncher::beginPreview(int page, bool* later) {
    // A player started on page 0 would find no page to play: without a page the command
    // only says so, whether or not a preview ran before.
    if (page <= 0) {
        prompter_.message(state_.language.message(lang::NoCurrentPage));
        return false;
    }
    *later = state_.previewRunning;
    if (*later) {
        closeRunningPreview();
    }
    state_.previewRunning = true;
    return true;
}

void PreviewLauncher::preview(int page) {
    bool later = false;
    if (!beginPreview(page, &later)) {
        return;
    }
    const QString player = state_.paths.playerProgram();
    startProgram(state_, prompter_, player, playerArguments(page, later), state_.paths.appDir());
}

void PreviewLauncher::closeRunningPreview() {
    closeRequester_();
}

QStringList PreviewLauncher::webPageLines(int page) const {
    const QChar quote = u'"';
    const QString helpPage = QDir::toNativeSeparators(
        state_.paths.asset(QStringLiteral("aide/zentrovale/application.html")));
    return {
        QStringLiteral("<HTML>"),
        state_.text(lang::WebPreviewText) + QStringLiteral("<a href=") + quote + helpPage + quote +
            u'>' + state_.text(lang::WebPreviewHelpLink) + QStringLiteral("</a><br>"),
        QStringLiteral("<OBJECT"),
        QStringLiteral("classid=\"clsid:5D2157C5-9AFC-11D5-B922-0050BA3F1ADA\""),
        QStringLiteral("codebase=\"actztv.ocx#version=2,0,0,0\""),
        QStringLiteral("width=") + QString::number(state_.projectWidth),
        QStringLiteral("height=") + QString::number(state_.projectHeight),
        QStringLiteral("align=center"),
        QStringLiteral("hspace=0"),
        QStringLiteral("vspace=0"),
        QStringLiteral(">"),
        QStringLiteral("<PARAM NAME=\"Caption\" VALUE=\"somm ") + QString::number(page) + u'$' +
            QDir::toNativeSeparators(state_.paths.dataDir()) + quote + u'>',
        QStringLiteral("</OBJECT>"),
        QStringLiteral("</HTML>"),
    };
}

void PreviewLauncher::webPreview(int page) {
    bool later = false;
    if (!beginPreview(page, &later)) {
        return;
    }
    const QString path = runPagePath(state_);
    QString error;
    if (!writeLines(path, webPageLines(page), &error)) {
        prompter_.message(state_.text(lang::FileNotWritten) + u' ' + path + u'\n' + error);
        return;
    }
    openInBrowser(state_, prompter_, path);
}

}  // namespace ztv::editor
