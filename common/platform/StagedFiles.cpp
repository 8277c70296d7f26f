#include "common/platform/StagedFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

#include <sys/stat.h>
#include <unistd.h>
#include <cstdio>

namespace ztv {

StagedFiles::~StagedFiles() {
    discard();
}

bool StagedFiles::stage(const QString& targetHost, const QByteArray& data) {
    QTemporaryFile temp(
        QFileInfo(targetHost)
            .absoluteDir()
            .filePath(QStringLiteral(".%1.XXXXXX").arg(QFileInfo(targetHost).fileName())));
    temp.setAutoRemove(false);
    if (!temp.open()) {
        error_ = QStringLiteral("%1: %2").arg(targetHost, temp.errorString());
        return false;
    }
    staged_.append({temp.fileName(), targetHost});
    // The new file gets the old one's permissions, or those of any new file (temporary files
    // start private).
    const QFileInfo target(targetHost);
    if (target.exists()) {
        temp.setPermissions(QFile::permissions(targetHost));
    } else {
        const mode_t mask = ::umask(0);
        ::umask(mask);
        ::fchmod(temp.handle(), 0666 & ~mask);
    }
    if (temp.write(data) != data.size() || !temp.flush() || ::fsync(temp.handle()) != 0) {
        error_ = QStringLiteral("%1: %2").arg(targetHost, temp.errorString());
        return false;
    }
    temp.close();
    return true;
}

bool StagedFiles::stageCopy(const QString& sourceHost, const QString& targetHost) {
    QFile source(sourceHost);
    if (!source.open(QIODevice::ReadOnly)) {
        error_ = QStringLiteral("%1: %2").arg(sourceHost, source.errorString());
        return false;
    }
    return stage(targetHost, source.readAll());
}

namespace {

bool renameFile(const QString& from, const QString& to) {
    return std::rename(QFile::encodeName(from).constData(), QFile::encodeName(to).constData()) == 0;
}

// A second name for the old file, so that it can be put back if a later rename fails.
QString keepOldFile(const QString& target) {
    if (!QFileInfo(target).isFile()) {
        return {};
    }
    const QString backup = target + QStringLiteral(".old~");
    QFile::remove(backup);
    if (::link(QFile::encodeName(target).constData(), QFile::encodeName(backup).constData()) == 0 ||
        QFile::copy(target, backup)) {
        return backup;
    }
    return {};
}

}  // namespace

bool StagedFiles::commit() {
    error_.clear();
    QStringList backups;
    for (const Staged& s : staged_) {
        backups.append(keepOldFile(s.target));
        if (backups.last().isEmpty() && QFileInfo::exists(s.target) &&
            QFileInfo(s.target).isFile()) {
            error_ = QStringLiteral("%1: cannot keep the old file").arg(s.target);
            break;
        }
    }
    qsizetype done = 0;
    if (error_.isEmpty()) {
        for (; done < staged_.size(); ++done) {
            if (!renameFile(staged_[done].temp, staged_[done].target)) {
                error_ = QStringLiteral("%1: cannot replace the file").arg(staged_[done].target);
                break;
            }
        }
    }
    const bool ok = done == staged_.size();
    if (!ok) {
        // Puts the old files back over the new ones already in place.
        for (qsizetype i = 0; i < done; ++i) {
            if (backups[i].isEmpty()) {
                QFile::remove(staged_[i].target);
            } else {
                renameFile(backups[i], staged_[i].target);
            }
        }
        discard();
    }
    for (const QString& backup : backups) {
        if (!backup.isEmpty()) {
            QFile::remove(backup);
        }
    }
    staged_.clear();
    return ok;
}

void StagedFiles::discard() {
    for (const Staged& s : staged_) {
        QFile::remove(s.temp);
    }
    staged_.clear();
}

}  // namespace ztv
