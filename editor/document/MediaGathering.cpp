#include "editor/document/MediaGathering.h"

#include "common/builder/GatherTarget.h"
#include "common/formats/ElementKinds.h"
#include "common/formats/ElementRecord.h"
#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "common/platform/RecordFile.h"
#include "common/platform/StagedFiles.h"
#include "editor/document/MediaLookup.h"
#include "editor/document/PageBook.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/StoredPath.h"
#include "editor/document/Storyboard.h"

#include <QDir>
#include <QFileInfo>

namespace ztv::editor {

namespace {

constexpr int kFileCapacity = 249;
constexpr int kVoiceCapacity = 150;  // `sensdegra`

class Gatherer {
  public:
    Gatherer(SessionSettings& state, Prompter& prompter, const GatherFolders& folders,
             const FileCopier& copier)
        : state_(state), prompter_(prompter), copier_(copier) {
        const DriveTable& drives = state.drives;
        // A folder typed without a root lies beside the project.
        const QString typed = drives.outsideToHost(folders.target.trimmed());
        target_ = typed.isEmpty() ? QString()
                                  : QFileInfo(QDir(state.projectDir), typed).absoluteFilePath();
        images_ = QDir(target_).filePath(folders.images);
        sounds_ = QDir(target_).filePath(folders.sounds);
        videos_ = QDir(target_).filePath(folders.videos);
    }

    GatherResult run() {
        for (const QString& folder : {target_, images_, sounds_, videos_}) {
            if (!makeFolder(folder)) {
                return result_;
            }
        }
        const QString dir = state_.paths.workingDir();
        for (const PageEntry& page : PageBook(dir).livePages()) {
            const QString jou = Storyboard::pageFilePath(dir, page.number, QStringLiteral(".JOU"));
            if (QFileInfo::exists(jou) && !gatherPage(page.number, jou)) {
                return result_;
            }
        }
        result_.completed = true;
        return result_;
    }

  private:
    bool makeFolder(const QString& host) {
        if (target_.isEmpty() || !QDir().mkpath(host) || !QFileInfo(host).isDir()) {
            prompter_.message(state_.text(lang::GatherFolderNotCreated) + u' ' + host);
            return false;
        }
        return true;
    }

    // Raw records stay as they were unless one of their paths changes.
    bool gatherPage(int page, const QString& jou) {
        auto raw = RecordFile::readAll(jou, kPageRecordSize);
        if (!raw) {
            return true;
        }
        const QString pictures = QDir(images_).filePath(QString::number(page));
        bool changed = false;
        for (qsizetype i = 1; i < raw->size(); ++i) {
            ElementRecord r = decodePageRecord(raw->at(i));
            const ElementKind kind = kindOfRow(r.Ligne);
            if (r.isAbsent() || !factsOf(kind).fileInFichier || kind == ElementKind::LongText) {
                continue;
            }
            const QString fileFolder = kind == ElementKind::Sound   ? sounds_
                                       : kind == ElementKind::Video ? videos_
                                                                    : pictures;
            const ElementRecord before = r;
            if (!gatherField(r.SurvolFichier, pictures, kFileCapacity) ||
                !gatherField(r.Fichier, fileFolder, kFileCapacity) ||
                (kind == ElementKind::Character &&
                 !gatherField(r.sensdegra, pictures, kVoiceCapacity))) {
                return false;
            }
            if (!(r == before)) {
                (*raw)[i] = encodePageRecord(r);
                changed = true;
            }
        }
        return !changed || rewritePage(page, jou, *raw);
    }

    // Copies the field's file into the folder and points the field at the copy. A file found
    // nowhere is reported and left as it is; false when the work must stop.
    bool gatherField(QString& field, const QString& folder, int capacity) {
        if (!field.startsWith(u'\\')) {
            return true;
        }
        if (!lookUpMediaOrReport(state_, prompter_, field)) {
            return true;
        }
        const QString source = mediaHostPath(state_, field);
        if (!makeFolder(folder)) {
            return false;
        }
        const GatherTarget target =
            chooseGatherTarget(source, folder, QFileInfo(source).fileName());
        const StoredPath stored = storedPathFor(state_.drives, target.hostPath, capacity);
        if (stored.refusal != 0) {
            prompter_.message(refusalMessage(state_, stored, target.hostPath));
            return false;
        }
        QString error;
        if (target.needsCopy && !copier_(source, target.hostPath, &error)) {
            prompter_.message(state_.text(lang::GatherCopyFailed) + u' ' + source + u' ' +
                              target.hostPath + u' ' + error);
            return false;
        }
        field = stored.path;
        return true;
    }

    // The page's .jou and .act are replaced together, so they always agree.
    bool rewritePage(int page, const QString& jou, const QList<QByteArray>& records) {
        const QByteArray data = records.join();
        const QString act =
            Storyboard::pageFilePath(state_.paths.workingDir(), page, QStringLiteral(".ACT"));
        StagedFiles staged;
        if (!staged.stage(jou, data) || !staged.stage(act, data) || !staged.commit()) {
            prompter_.message(state_.text(lang::PageFilesNotWritten) + u' ' + jou);
            return false;
        }
        ++result_.pagesRewritten;
        return true;
    }

    SessionSettings& state_;
    Prompter& prompter_;
    const FileCopier& copier_;
    QString target_;
    QString images_;
    QString sounds_;
    QString videos_;
    GatherResult result_;
};

}  // namespace

GatherResult gatherMedia(SessionSettings& state, Prompter& prompter, const GatherFolders& folders,
                         const FileCopier& copier) {
    return Gatherer(state, prompter, folders, copier).run();
}

}  // namespace ztv::editor
