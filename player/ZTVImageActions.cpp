// Actions: the one entry point, and the actions built so far.
#include "common/LangLines.h"
#include "player/ZTVImage.h"

#include <QProcess>

namespace ztv {
namespace {

const QString kNowhere = QStringLiteral("0");  // what ExistenceFichier answers for no file

}  // namespace

void TZTVImage::DemarrerAction(const Action& action) {
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
            pagePlay_.busy = false;
            emit quitRequested();
            return;
        case ActionKind::RunAndWait:
            if (const QString found = ExistenceFichier(action.first); found != kNowhere) {
                DeChargerDessin();
                setBusyCursor(false);
                waitForProgram(found, action.second);
            }
            pagePlay_.busy = false;
            return;
        case ActionKind::OpenProject:
            openSingleFileProject(action.first);
            return;
        case ActionKind::ToggleSound:
            media_.toggleSound();
            pagePlay_.busy = false;
            return;
        case ActionKind::ToggleVideo:
            media_.toggleVideo();
            pagePlay_.busy = false;
            return;
        default:
            pagePlay_.busy = false;
            pagePlay_.EffetInverse = false;
            return;
    }
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

void TZTVImage::jumpTo(int page, int column) {
    DisparitionAuto();
    ChargerPage(page, column);
    ChargerDessin();
}

void TZTVImage::waitForProgram(const QString& windowsPath, const QString& parameters) {
    const ProgramRunner run = env_.runAndWait ? env_.runAndWait : runProgramAndWait;
    run(toHost(windowsPath), QProcess::splitCommand(parameters));
}

}  // namespace ztv
