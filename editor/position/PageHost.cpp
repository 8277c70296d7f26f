#include "editor/position/PageHost.h"

#include "common/formats/MovedMedia.h"
#include "common/platform/Prompter.h"
#include "editor/document/SessionSettings.h"

namespace ztv::editor {

PageHost::PageHost(SessionSettings& state, Prompter& prompter, QImage& page, QImage& background)
    : state_(state),
      prompter_(prompter),
      canvas_(&page),
      background_(&background),
      transitions_(state.language, &prompter) {
    geometry_.projectWidth = geometry_.screenWidth = state.projectWidth;
    geometry_.projectHeight = geometry_.screenHeight = state.projectHeight;
}

const Clock& PageHost::clock() const {
    return *state_.clock;
}

void PageHost::resetSteps() {
    nextStep_ = -1;
}

void PageHost::setNextStep(int, int, qint64 timeMs) {
    nextStep_ = timeMs;
}

void PageHost::finishSteps(int, int) {
    nextStep_ = -1;
}

void PageHost::tell(const QString& text) {
    prompter_.message(text);
}

const LanguageFile& PageHost::language() const {
    return state_.language;
}

QString PageHost::mediaDrive() const {
    return state_.mediaDrive;
}

void PageHost::resetMediaDrive() {
    state_.mediaDrive = QStringLiteral("C:");
}

bool PageHost::existsWindowsPath(const QString& windowsPath) const {
    return state_.drives.exists(windowsPath);
}

bool PageHost::searchDrivesFor(const QString& pathWithoutDrive) {
    const QString drive = state_.drives.firstDriveHolding(pathWithoutDrive);
    if (drive.isEmpty()) {
        return false;
    }
    state_.mediaDrive = drive;
    return true;
}

QString PageHost::findBesideProject(const QString& storedPath) const {
    const QString found = ztv::findBesideProject(storedPath, state_.projectDir);
    return found.isEmpty() ? QString() : state_.drives.toWindows(found);
}

const DriveTable& PageHost::drives() const {
    return state_.drives;
}

}  // namespace ztv::editor
