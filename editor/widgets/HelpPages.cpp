#include "editor/widgets/HelpPages.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/document/SessionSettings.h"

#include <QAbstractButton>
#include <QFileInfo>
#include <QShortcut>
#include <QUrl>

namespace ztv::editor {

namespace {

bool isFrench(const SessionSettings& state) {
    return state.languageName.compare(QStringLiteral("FRENCH"), Qt::CaseInsensitive) == 0;
}

QString pageName(const SessionSettings& state, const HelpPage& page) {
    return isFrench(state) ? page.french : page.english;
}

}  // namespace

HelpPage startHelp() {
    return {QStringLiteral("demarrage.html"), QStringLiteral("start.html")};
}

HelpPage questionsHelp() {
    return {QStringLiteral("questions.html"), QStringLiteral("questions.html")};
}

// French help has one page for both build windows.
HelpPage buildWizardHelp() {
    return {QStringLiteral("application.html"), QStringLiteral("export.html")};
}

HelpPage buildWindowHelp() {
    return {QStringLiteral("application.html"), QStringLiteral("presentation.html")};
}

QString helpPagePath(const SessionSettings& state, const HelpPage& page) {
    const QString folder =
        isFrench(state) ? QStringLiteral("aide/zentrovale/") : QStringLiteral("help/zentrovale/");
    return state.paths.asset(folder + pageName(state, page).section(u'#', 0, 0));
}

bool openInBrowser(const SessionSettings& state, Prompter& prompter, const QString& documentHost,
                   const QString& anchor) {
    QUrl url = QUrl::fromLocalFile(QFileInfo(documentHost).absoluteFilePath());
    if (!anchor.isEmpty()) {
        url.setFragment(anchor);
    }
    if (state.shell->openAddress(url.toString(QUrl::FullyEncoded))) {
        return true;
    }
    prompter.message(state.language.message(lang::NoBrowser));
    return false;
}

bool openHelpPage(const SessionSettings& state, Prompter& prompter, const HelpPage& page) {
    const QString path = helpPagePath(state, page);
    if (!QFileInfo(path).isFile()) {
        prompter.message(state.text(lang::HelpPageMissing) + u' ' + path);
        return false;
    }
    return openInBrowser(state, prompter, path, pageName(state, page).section(u'#', 1));
}

void attachHelp(QWidget* dialog, QAbstractButton* button, const SessionSettings& state,
                Prompter& prompter, HelpPage page) {
    const auto open = [&state, &prompter, page] { openHelpPage(state, prompter, page); };
    QObject::connect(button, &QAbstractButton::clicked, dialog, open);
    auto* f1 = new QShortcut(QKeySequence(Qt::Key_F1), dialog);
    QObject::connect(f1, &QShortcut::activated, dialog, open);
}

}  // namespace ztv::editor
