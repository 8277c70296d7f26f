#include "common/builder/MediaGathering.h"

#include "common/builder/MediaCopier.h"
#include "common/builder/OutputFolder.h"
#include "common/formats/ActionModel.h"
#include "common/formats/Container.h"
#include "common/formats/ElementKinds.h"
#include "common/formats/ElementRecord.h"
#include "common/formats/LangLines.h"
#include "common/platform/FileIo.h"
#include "common/platform/RecordFile.h"
#include "common/platform/ShownPath.h"
#include "common/platform/WinPath.h"

#include <QFile>
#include <QFileInfo>

namespace ztv::builder {
namespace {

class PageGathering {
  public:
    PageGathering(BuildJob& job, MediaCopier& copier, MediaData& mediaData)
        : job_(job), copier_(copier), mediaData_(mediaData) {}

    // Gathers one record's files; false on an error that stops the build.
    bool gather(ElementRecord& r) { return gatherAction(r) && gatherElement(r); }

  private:
    // The document an action opens goes with the application: the file its first parameter
    // names, or the document of "open a document with a program", whose program is the
    // reader's.
    bool gatherAction(ElementRecord& r) {
        const ActionKind kind = actionKind(r.Acte, job_.language);
        if (kind == ActionKind::OpenDocumentWith) {
            return copyActionFile(r.Destin2);
        }
        return fileParameterCount(kind) == 0 || copyActionFile(r.Destination);
    }

    bool copyActionFile(QString& parameter) {
        if (parameter.isEmpty()) {
            return true;
        }
        const QString host = actionFileHost(parameter);
        if (host.isEmpty()) {
            job_.say(job_.text(lang::FilePrefix) + u' ' + shownPath(job_.drives, parameter) + u' ' +
                     job_.text(lang::NotFoundSuffix));
            return true;
        }
        return copyTo(host, job_.request.outputHost, parameter);
    }

    // A path with a drive is taken where it points when a file is there, else looked up
    // without its drive.
    QString actionFileHost(const QString& parameter) const {
        if (!winpath::hasDrive(parameter)) {
            return find(parameter);
        }
        const QString direct = job_.drives.toHost(parameter);
        return QFileInfo(direct).isFile() ? direct : find(winpath::withoutDrive(parameter));
    }

    bool gatherElement(ElementRecord& r) {
        const ElementKind kind = kindOfRow(r.Ligne);
        if (!factsOf(kind).fileInFichier) {
            return true;
        }
        if (!gatherFile(kind, r.SurvolFichier) || !gatherFile(kind, r.Fichier)) {
            return false;
        }
        if (kind == ElementKind::Character && !r.sensdegra.isEmpty()) {
            const QString host = findStored(r.sensdegra);
            return host.isEmpty() || copyTo(host, soundsFolder(), r.sensdegra);
        }
        return true;
    }

    bool gatherFile(ElementKind kind, QString& field) {
        if (!field.startsWith(u'\\')) {
            return true;  // empty, or a marker
        }
        const QString host = findStored(field);
        if (host.isEmpty()) {
            return true;
        }
        switch (kind) {
            case ElementKind::Sound:
                return copyTo(host, soundsFolder(), field);
            case ElementKind::Video:
                return copyTo(host,
                              builder::videosFolder(job_.request.outputHost, job_.request.options),
                              field);
            case ElementKind::LongText: {
                const QString ext = QFileInfo(host).suffix().toUpper();
                return (ext != QLatin1String("TXT") && ext != QLatin1String("RTF")) ||
                       copyTo(host, job_.request.outputHost, field);
            }
            default:
                // Each picture goes once into the page's media data, under its stored path.
                return mediaData_.add(field, host, &job_.error);
        }
    }

    QString soundsFolder() const {
        return builder::soundsFolder(job_.request.outputHost, job_.request.options);
    }

    QString find(const QString& stored) const {
        return job_.hooks.findMedia ? job_.hooks.findMedia(stored) : QString();
    }

    // A stored path the look-up cannot find is told and left as it is.
    QString findStored(const QString& stored) const {
        const QString host = find(stored);
        if (host.isEmpty()) {
            job_.say(shownPath(job_.drives, stored) + u' ' + job_.text(lang::NotFoundSuffix));
        }
        return host;
    }

    bool copyTo(const QString& host, const QString& folder, QString& field) {
        const auto copy = copier_.copy(host, folder, &job_.error);
        if (!copy) {
            return false;
        }
        const QString stored = job_.storedPath(*copy);
        if (stored.isEmpty()) {
            job_.error = QStringLiteral("%1: on no drive").arg(*copy);
            return false;
        }
        field = stored;
        return true;
    }

    BuildJob& job_;
    MediaCopier& copier_;
    MediaData& mediaData_;
};

// Kept for the program when nothing else reads it, written as a file for the archives otherwise.
bool writeMediaData(BuildJob& job, const QString& name, const MediaData& data) {
    if (job.streamsMediaData()) {
        job.streamedMediaData.insert(name, data);
        return true;
    }
    QFile file(job.out(name));
    if (!file.open(QIODevice::WriteOnly | QIODevice::Truncate)) {
        job.error = file.errorString();
        return false;
    }
    return data.writeTo(file, &job.error) && file.flush();
}

// Every record of the page file from record 1, each written back once gathered.
bool gatherPage(BuildJob& job, MediaCopier& copier, std::int32_t page, const QString& pageFile) {
    RecordFile records(kPageRecordSize);
    if (!records.open(pageFile, RecordFile::Mode::ReadWrite)) {
        job.error = records.errorString();
        return false;
    }
    MediaData mediaData;
    PageGathering gathering(job, copier, mediaData);
    for (qint64 i = 1; i < records.count(); ++i) {
        const auto bytes = records.read(i);
        if (!bytes) {
            job.error = records.errorString();
            return false;
        }
        ElementRecord r = decodePageRecord(*bytes);
        const ElementRecord before = r;
        if (!gathering.gather(r)) {
            return false;
        }
        if (!(r == before) && !records.write(i, encodePageRecord(r))) {
            job.error = records.errorString();
            return false;
        }
    }
    return writeMediaData(job, job.mediaDataName(page), mediaData);
}

// The page's media data file and the media copied for it go into N-page.cab and leave the
// folder; the build's own files, which no copied media may be named as, stay.
bool archivePage(BuildJob& job, std::int32_t page, const QSet<QString>& kept) {
    QStringList files;
    for (const QString& name : job.outputFiles()) {
        if (!kept.contains(name.toLower()) &&
            !name.endsWith(QLatin1String(".cab"), Qt::CaseInsensitive)) {
            files.append(job.out(name));
        }
    }
    const QString archive = job.name + u'-' + QString::number(page) + QStringLiteral(".cab");
    if (!writeArchive(job, job.out(archive), files)) {
        return false;
    }
    job.archivesWritten.append(archive);
    for (const QString& file : files) {
        QFile::remove(file);
    }
    return true;
}

}  // namespace

BuildOutcome gatherMedia(BuildJob& job, const QList<PageEntry>& pages) {
    const QSet<QString> reserved = job.reservedNames();
    MediaCopier copier(reserved,
                       {QStringLiteral(".cds"), QStringLiteral(".cab"), QStringLiteral(".ztvx")});
    job.progress(0, int(pages.size()));
    int done = 0;
    for (const PageEntry& page : pages) {
        if (job.hooks.cancelRequested && job.hooks.cancelRequested()) {
            return BuildOutcome::Cancelled;
        }
        const QString pageFile = findEntryNoCase(job.workDir(), pageFileName(page.number));
        if (!pageFile.isEmpty()) {
            if (!gatherPage(job, copier, page.number, QDir(job.workDir()).filePath(pageFile)) ||
                (job.request.options.compression == Compression::PerPage &&
                 !archivePage(job, page.number, reserved))) {
                job.say(job.text(lang::GatheringFailed));
                return BuildOutcome::Failed;
            }
        }
        job.progress(++done, int(pages.size()));
        if (job.hooks.pageGathered) {
            job.hooks.pageGathered(page.number);
        }
    }
    return BuildOutcome::Built;
}

}  // namespace ztv::builder
