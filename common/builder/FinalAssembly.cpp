#include "common/builder/FinalAssembly.h"

#include "common/builder/EntryAppender.h"

#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

namespace ztv::builder {
namespace {

bool isArchive(const QString& name) {
    return name.endsWith(QLatin1String(".cab"), Qt::CaseInsensitive);
}

// The files that go into the package, in name order: all but the player and the archives,
// with the media data files that never reached the folder.
QStringList packageFiles(const BuildJob& job, const QString& program) {
    QStringList files = job.streamedMediaData.keys();
    for (const QString& name : job.outputFiles()) {
        if (name != BuildJob::playerCopy() && name != program && !isArchive(name)) {
            files.append(name);
        }
    }
    files.sort();
    return files;
}

// A file of the output folder, or a media data file written straight from its pictures.
bool appendFile(BuildJob& job, QFile& program, const QString& name) {
    const auto streamed = job.streamedMediaData.constFind(name);
    if (streamed == job.streamedMediaData.constEnd()) {
        return appendEntry(program, name, job.out(name), &job.error);
    }
    return writeEntryHeader(program, name, streamed->size(), &job.error) &&
           streamed->writeTo(program, &job.error);
}

bool appendFiles(BuildJob& job, QFile& program, const QStringList& names) {
    for (const QString& name : names) {
        if (!appendFile(job, program, name)) {
            return false;
        }
    }
    return true;
}

// Global compression: one archive of the package files; for a single-file project that
// archive is the result, otherwise it is appended to the program.
bool packGlobally(BuildJob& job, QFile* program, const QString& programName) {
    QStringList files;
    for (const QString& name : packageFiles(job, programName)) {
        files.append(job.out(name));
    }
    const QString archive = job.projectArchive();
    if (!writeArchive(job, job.out(archive), files)) {
        return false;
    }
    if (!program) {
        const QString ztvx = job.out(job.name + QStringLiteral(".ztvx"));
        QFile::remove(ztvx);
        if (!QFile::rename(job.out(archive), ztvx)) {
            job.error = QStringLiteral("%1: cannot be renamed").arg(archive);
            return false;
        }
        return true;
    }
    return appendFiles(job, *program, {archive});
}

void deleteAllBut(const BuildJob& job, const QString& programName) {
    for (const QString& name : job.outputFiles()) {
        if (name != programName && !name.endsWith(QLatin1String(".ztvx"), Qt::CaseInsensitive)) {
            QFile file(job.out(name));
            file.setPermissions(file.permissions() | QFile::WriteOwner);
            file.remove();
        }
    }
}

bool startProgram(BuildJob& job, QTemporaryFile& program) {
    QFile player(job.out(BuildJob::playerCopy()));
    if (!program.open() || !player.open(QIODevice::ReadOnly)) {
        job.error = program.isOpen() ? player.errorString() : program.errorString();
        return false;
    }
    constexpr qint64 kChunk = 1 << 20;
    while (!player.atEnd()) {
        const QByteArray chunk = player.read(kChunk);
        if (chunk.isEmpty() || program.write(chunk) != chunk.size()) {
            job.error = program.errorString();
            return false;
        }
    }
    program.setPermissions(player.permissions() | QFile::ExeOwner | QFile::ReadOwner |
                           QFile::WriteOwner);
    player.close();
    return player.remove();
}

bool appendPackage(BuildJob& job, QFile& program, const QString& programName) {
    switch (job.request.options.compression) {
        case Compression::Global:
            return packGlobally(job, &program, programName);
        case Compression::PerPage:
            return appendFiles(job, program, job.archivesWritten);
        case Compression::None:
            return appendFiles(job, program, packageFiles(job, programName));
    }
    return false;
}

}  // namespace

bool assembleApplication(BuildJob& job) {
    if (job.request.options.isZtvx()) {
        if (!packGlobally(job, nullptr, {})) {
            return false;
        }
        deleteAllBut(job, {});
        return true;
    }
    QTemporaryFile program(job.out(QStringLiteral(".assembly-XXXXXX")));
    if (!startProgram(job, program)) {
        return false;
    }
    const QString programName = QFileInfo(program.fileName()).fileName();
    if (!appendPackage(job, program, programName) || !program.flush()) {
        job.error = job.error.isEmpty() ? program.errorString() : job.error;
        return false;
    }
    deleteAllBut(job, programName);
    QFile::remove(job.out(job.name));
    if (!program.rename(job.out(job.name))) {
        job.error = program.errorString();
        return false;
    }
    program.setAutoRemove(false);
    return true;
}

}  // namespace ztv::builder
