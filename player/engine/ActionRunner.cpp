// Actions: the one entry point, and what each action does.
#include "player/engine/ActionRunner.h"
#include "common/formats/LangLines.h"
#include "common/platform/WinPath.h"
#include "player/engine/Navigation.h"
#include "player/engine/Printing.h"
#include "player/engine/ProjectSession.h"
#include "player/engine/ProjectTrust.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace ztv {
namespace {

const QString kNowhere = QStringLiteral("0");  // what locateFile answers for no file

// Parameters split like a command line: quotes respected, nothing expanded.
QStringList argumentsOf(const QString& parameters) {
    return QProcess::splitCommand(parameters);
}

bool climbsOut(const QString& stored) {
    return QString(stored).replace(u'/', u'\\').split(u'\\').contains(QStringLiteral(".."));
}

}  // namespace

ActionRunner::ActionRunner(Navigation& navigation, ProjectSession& session,
                           const PlayerEnvironment& env)
    : navigation_(navigation), session_(session), env_(env) {}

void ActionRunner::run(const Action& action) {
    switch (action.kind) {
        case ActionKind::GoToPage:
            if (const auto page = pageNumber(action.first)) {
                navigation_.goTo(*page, 1);
            }
            return;
        case ActionKind::GoToColumn:
            if (const auto column = pageNumber(action.first)) {
                navigation_.goTo(navigation_.currentPage(), *column);
            }
            return;
        case ActionKind::GoToPageAndColumn: {
            const auto page = pageNumber(action.first);
            const auto column = page ? pageNumber(action.second) : std::nullopt;
            if (page && column) {
                navigation_.goTo(*page, *column);
            }
            return;
        }
        case ActionKind::Quit:
            navigation_.quit();
            return;
        case ActionKind::OpenFile:
            if (const QString file = actionFile(action.first); !file.isEmpty()) {
                openForAction(file, {});
            }
            break;
        case ActionKind::OpenDocumentWith: {
            const QString program = actionFile(action.first);
            const QString document =
                program.isEmpty() ? QString() : actionFile(action.second, true);
            if (!document.isEmpty()) {
                // A program this system cannot start leaves the document to the desktop.
                openForAction(isProgramFile(program) ? program : document,
                              isProgramFile(program) ? QStringList{document} : QStringList{});
            }
            break;
        }
        case ActionKind::OpenAddress:
            openAddress(action.first);
            break;
        case ActionKind::PrintScreen:
            printScreen();
            break;
        case ActionKind::PrintTextFile:
            printTextFile(action.first);
            break;
        case ActionKind::PrintTextThenGoToPage:
            if (const auto page = pageNumber(action.second); page && printTextFile(action.first)) {
                navigation_.goTo(*page, 1);
                return;
            }
            break;
        case ActionKind::OpenWithParameters:
        case ActionKind::OpenWithParametersOnDrives:
            if (const QString file =
                    actionFile(action.first, action.kind == ActionKind::OpenWithParameters);
                !file.isEmpty()) {
                openForAction(file, argumentsOf(action.second));
            }
            break;
        case ActionKind::StartApplication:
            startApplication(action.first);
            break;
        case ActionKind::RunAndWait:
            runAndWait(action.first, action.second);
            break;
        case ActionKind::OpenProject:
            navigation_.playOtherProject(action.first);
            return;
        case ActionKind::ToggleSound:
            navigation_.toggleSound();
            break;
        case ActionKind::ToggleVideo:
            navigation_.toggleVideo();
            break;
        default:
            navigation_.clearReversedEffect();
            break;
    }
    navigation_.actionDone();
}

// A page or column number of an action; not a number: a message, and the click is over.
std::optional<int> ActionRunner::pageNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok) {
        session_.tell(session_.message(lang::PageNumberNotANumber) + u' ' + text);
        navigation_.actionDone();
        return std::nullopt;
    }
    return value;
}

// A stored path beginning with "\" is on the media drive; it is then looked for as every
// stored path is, or taken from the package of a packed project when fromPackage. A path that
// climbs out of its folder names nothing.
QString ActionRunner::actionFile(const QString& stored, bool fromPackage) {
    if (stored.trimmed().isEmpty() || climbsOut(stored)) {
        return {};
    }
    if (fromPackage && session_.project().packedProject) {
        // The package's own copy, extracted into the playback directory when first needed.
        const QString extracted = session_.extractOnDemand(stored);
        return QFileInfo(extracted).isFile() ? extracted : QString();
    }
    const QString found =
        session_.locateFile(stored.startsWith(u'\\') ? session_.mediaDrive() + stored : stored);
    return found == kNowhere ? QString() : session_.toHost(found);
}

void ActionRunner::openForAction(const QString& host, const QStringList& arguments) {
    navigation_.closeRun();
    navigation_.showBusy(false);
    if (mayStartPrograms(QFileInfo(host).fileName())) {
        shell().open(host, arguments, QFileInfo(host).absolutePath());
    }
}

// Built applications and the editor's previews were chosen by their user; a project handed
// over as a document asks once, and the answer holds for that project as it is.
bool ActionRunner::mayStartPrograms(const QString& what) {
    if (!session_.project().openedAsDocument) {
        return true;
    }
    if (!programsAllowed_) {
        const ProjectTrust trust(env_.trustStoreHost);
        const QString projectHost = session_.toHost(session_.project().projectPath);
        programsAllowed_ = trust.answerFor(projectHost);
        if (!programsAllowed_) {
            programsAllowed_ =
                env_.prompter->ask(session_.message(lang::AllowProjectPrograms) + u' ' + what,
                                   session_.title(), Prompter::Buttons::YesNo) == Prompter::Yes;
            trust.remember(projectHost, *programsAllowed_);
        }
    }
    return *programsAllowed_;
}

// Web and mail addresses open as they are; any other scheme may start a program.
void ActionRunner::openAddress(const QString& address) {
    const QUrl url = QUrl::fromUserInput(address.trimmed());
    if (!url.isValid() || url.scheme().isEmpty()) {
        return;
    }
    const QString scheme = url.scheme().toLower();
    const bool plain = scheme == QStringLiteral("http") || scheme == QStringLiteral("https") ||
                       scheme == QStringLiteral("mailto");
    if (plain || mayStartPrograms(address.trimmed())) {
        shell().openAddress(url.toString());
    }
}

// Another application of this system, without its end screen.
void ActionRunner::startApplication(const QString& stored) {
    const QString beside = QDir(session_.playerFolderHost()).filePath(winpath::fileName(stored));
    const QString program = QFileInfo(beside).isFile() ? beside : actionFile(stored);
    if (!program.isEmpty()) {
        openForAction(program, {QStringLiteral("paslogo")});
    }
}

void ActionRunner::runAndWait(const QString& stored, const QString& parameters) {
    const QString found = session_.locateFile(stored);
    if (found == kNowhere) {
        return;
    }
    navigation_.closeRun();
    navigation_.showBusy(false);
    if (mayStartPrograms(winpath::fileName(found))) {
        waitForProgram(found, parameters);
    }
}

bool ActionRunner::printTextFile(const QString& stored) {
    const QString file = actionFile(stored, true);
    if (file.isEmpty()) {
        return false;
    }
    navigation_.closeRun();
    navigation_.showBusy(true);
    const auto lines = printing::readTextFile(file);
    const auto document = lines && env_.printer ? env_.printer->newDocument() : nullptr;
    if (document) {
        printing::printText(*document, *lines);
    }
    navigation_.showBusy(false);
    return true;
}

void ActionRunner::printScreen() {
    const int copies = env_.printer ? env_.printer->chooseCopies() : 0;
    for (int i = 0; i < copies; ++i) {
        if (const auto document = env_.printer->newDocument()) {
            printing::printScreen(*document, navigation_.screen());
        }
    }
}

DesktopShell& ActionRunner::shell() const {
    static SystemShell desktop;
    return env_.shell ? *env_.shell : desktop;
}

void ActionRunner::waitForProgram(const QString& windowsPath, const QString& parameters) const {
    const ProgramRunner run = env_.runAndWait ? env_.runAndWait : runProgramAndWait;
    run(session_.toHost(windowsPath), argumentsOf(parameters));
}

}  // namespace ztv
