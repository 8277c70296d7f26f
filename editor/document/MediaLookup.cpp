#include "editor/document/MediaLookup.h"

#include "common/formats/LangLines.h"
#include "common/formats/MovedMedia.h"
#include "common/platform/Prompter.h"
#include "common/platform/ShownPath.h"
#include "editor/document/SessionSettings.h"

namespace ztv::editor {

bool lookUpMedia(SessionSettings& state, const QString& storedPath) {
    const DriveTable& drives = state.drives;
    if (drives.exists(state.mediaDrive + storedPath)) {
        return true;
    }
    // The CD drive, then the further drives: the media drive stays on the last one tried.
    QStringList candidates{state.cdDrive};
    candidates += state.furtherDrives.mid(0, 4);
    for (const QString& drive : candidates) {
        state.mediaDrive = drive;
        if (drives.exists(drive + storedPath)) {
            return true;
        }
    }
    const QString holder = drives.firstDriveHolding(storedPath);
    state.mediaDrive = holder.isEmpty() ? QStringLiteral("C:") : holder;
    return !holder.isEmpty() || !findBesideProject(storedPath, state.projectDir).isEmpty();
}

bool lookUpMediaOrReport(SessionSettings& state, Prompter& prompter, const QString& storedPath) {
    if (lookUpMedia(state, storedPath)) {
        return true;
    }
    prompter.message(state.text(lang::FilePrefix) + u' ' + shownPath(state.drives, storedPath) +
                     u' ' + state.text(lang::NotFoundSuffix));
    return false;
}

QString findMediaHost(SessionSettings& state, const QString& storedPath) {
    return lookUpMedia(state, storedPath) ? mediaHostPath(state, storedPath) : QString();
}

QString mediaHostPath(const SessionSettings& state, const QString& storedPath) {
    const QString onDrive = state.mediaDrive + storedPath;
    if (!state.drives.exists(onDrive)) {
        const QString moved = findBesideProject(storedPath, state.projectDir);
        if (!moved.isEmpty()) {
            return moved;
        }
    }
    return state.drives.toHost(onDrive);
}

QString mediaNotFoundText(const SessionSettings& state, const QString& prefix,
                          const QString& storedPath) {
    return (prefix.isEmpty() ? QString() : prefix + u' ') + state.text(lang::MediaFileWord) + u' ' +
           shownPath(state.drives, storedPath) + u' ' + state.text(lang::MediaNotFoundSuffix);
}

QString shownMediaPath(SessionSettings& state, const QString& storedPath) {
    // No file named: nothing to show, not the root of the media drive.
    if (storedPath.isEmpty()) {
        return QString();
    }
    const QString found = findMediaHost(state, storedPath);
    return found.isEmpty() ? shownPath(state.drives, storedPath) : found;
}

}  // namespace ztv::editor
