// Actions: the one entry point, and what each action does.
#include "common/formats/LangLines.h"
#include "common/formats/PageTable.h"
#include "common/platform/WinPath.h"
#include "player/engine/Printing.h"
#include "player/engine/ProjectTrust.h"
#include "player/engine/ZTVImage.h"

#include <QDir>
#include <QFileInfo>
#include <QProcess>
#include <QUrl>

namespace ztv {
namespace {

const QString kNowhere = QStringLiteral("0");  // what ExistenceFichier answers for no file

// Parameters split like a command line: quotes respected, nothing expanded.
QStringList argumentsOf(const QString& parameters) {
    return QProcess::splitCommand(parameters);
}

bool climbsOut(const QString& stored) {
    return QString(stored).replace(u'/', u'\\').split(u'\\').contains(QStringLiteral(".."));
}

}  // namespace

void TZTVImage::DemarrerAction(const Action& action) {
    PagePlayState& pp = pagePlay_;
    switch (action.kind) {
        case ActionKind::GoToPage:
            if (const auto page = pageNumber(action.first)) {
                jumpTo(*page, 1);
            }
            return;
        case ActionKind::GoToColumn:
            if (const auto column = pageNumber(action.first)) {
                jumpTo(Page, *column);
            }
            return;
        case ActionKind::GoToPageAndColumn: {
            const auto page = pageNumber(action.first);
            const auto column = page ? pageNumber(action.second) : std::nullopt;
            if (page && column) {
                jumpTo(*page, *column);
            }
            return;
        }
        case ActionKind::Quit:
            pp.busy = false;
            emit quitRequested();
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
                jumpTo(*page, 1);
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
            openSingleFileProject(action.first);
            return;
        case ActionKind::ToggleSound:
            media_.toggleSound();
            break;
        case ActionKind::ToggleVideo:
            media_.toggleVideo();
            break;
        default:
            pp.EffetInverse = false;
            break;
    }
    pp.busy = false;
}

// A page or column number of an action; not a number: a message, and the click is over.
std::optional<int> TZTVImage::pageNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    if (!ok) {
        tell(Showmess(lang::PageNumberNotANumber) + u' ' + text);
        pagePlay_.busy = false;
        return std::nullopt;
    }
    return value;
}

// A page the project does not have, or a column outside the grid, changes nothing.
void TZTVImage::jumpTo(int page, int column) {
    if (!pageExists(page) || column < 1 || column > kColumnCount) {
        pagePlay_.busy = false;
        return;
    }
    DisparitionAuto();
    ChargerPage(page, column);
    ChargerDessin();
}

// A page the project has: its page file, or a line of its page table (a listed page whose
// file is missing then ends the run, as at every page load).
bool TZTVImage::pageExists(int page) const {
    if (page <= 0) {
        return false;
    }
    const QString file = pageFileHost(page);
    if (!file.isEmpty() && QFileInfo(file).isFile()) {
        return true;
    }
    const QString table = projectPath.isEmpty()
                              ? playbackDirectory() + QStringLiteral("\\PAGES.TAE")
                              : projectBase() + QStringLiteral(".PZV");
    const QList<PageEntry> pages = pagetable::readLive(toHost(table));
    return std::any_of(pages.begin(), pages.end(),
                       [page](const PageEntry& entry) { return entry.number == page; });
}

// A stored path beginning with "\" is on the media drive; it is then looked for as every
// stored path is, or taken from the package of a packed project when fromPackage. A path that
// climbs out of its folder names nothing.
QString TZTVImage::actionFile(const QString& stored, bool fromPackage) {
    if (stored.trimmed().isEmpty() || climbsOut(stored)) {
        return {};
    }
    if (fromPackage && packedProject) {
        // The package's own copy, extracted into the playback directory when first needed.
        const QString extracted = extractOnDemand(stored);
        return QFileInfo(extracted).isFile() ? extracted : QString();
    }
    const QString found =
        ExistenceFichier(stored.startsWith(u'\\') ? mediaDrive_ + stored : stored);
    return found == kNowhere ? QString() : toHost(found);
}

void TZTVImage::openForAction(const QString& host, const QStringList& arguments) {
    DeChargerDessin();
    setBusyCursor(false);
    if (mayStartPrograms(QFileInfo(host).fileName())) {
        shell().open(host, arguments, QFileInfo(host).absolutePath());
    }
}

// Built applications and the editor's previews were chosen by their user; a project handed
// over as a document asks once, and the answer holds for that project as it is.
bool TZTVImage::mayStartPrograms(const QString& what) {
    if (!openedAsDocument) {
        return true;
    }
    if (!programsAllowed_) {
        const ProjectTrust trust(env_.trustStoreHost);
        const QString projectHost = toHost(projectPath);
        programsAllowed_ = trust.answerFor(projectHost);
        if (!programsAllowed_) {
            programsAllowed_ = prompter().ask(Showmess(lang::AllowProjectPrograms) + u' ' + what,
                                              title_, Prompter::Buttons::YesNo) == Prompter::Yes;
            trust.remember(projectHost, *programsAllowed_);
        }
    }
    return *programsAllowed_;
}

// Web and mail addresses open as they are; any other scheme may start a program.
void TZTVImage::openAddress(const QString& address) {
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
void TZTVImage::startApplication(const QString& stored) {
    const QString beside = QDir(playerFolderHost_).filePath(winpath::fileName(stored));
    const QString program = QFileInfo(beside).isFile() ? beside : actionFile(stored);
    if (!program.isEmpty()) {
        openForAction(program, {QStringLiteral("paslogo")});
    }
}

void TZTVImage::runAndWait(const QString& stored, const QString& parameters) {
    const QString found = ExistenceFichier(stored);
    if (found == kNowhere) {
        return;
    }
    DeChargerDessin();
    setBusyCursor(false);
    if (mayStartPrograms(winpath::fileName(found))) {
        waitForProgram(found, parameters);
    }
}

bool TZTVImage::printTextFile(const QString& stored) {
    const QString file = actionFile(stored, true);
    if (file.isEmpty()) {
        return false;
    }
    DeChargerDessin();
    setBusyCursor(true);
    const auto lines = printing::readTextFile(file);
    const auto document = lines && env_.printer ? env_.printer->newDocument() : nullptr;
    if (document) {
        printing::printText(*document, *lines);
    }
    setBusyCursor(false);
    return true;
}

void TZTVImage::printScreen() {
    const int copies = env_.printer ? env_.printer->chooseCopies() : 0;
    for (int i = 0; i < copies; ++i) {
        if (const auto document = env_.printer->newDocument()) {
            printing::printScreen(*document, canvas_);
        }
    }
}

DesktopShell& TZTVImage::shell() {
    static SystemShell desktop;
    return env_.shell ? *env_.shell : desktop;
}

void TZTVImage::waitForProgram(const QString& windowsPath, const QString& parameters) {
    const ProgramRunner run = env_.runAndWait ? env_.runAndWait : runProgramAndWait;
    run(toHost(windowsPath), argumentsOf(parameters));
}

}  // namespace ztv
