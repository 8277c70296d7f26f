#include "common/platform/StagedFiles.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryFile>

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

bool StagedFiles::commit() {
    for (const Staged& s : staged_) {
        if (std::rename(QFile::encodeName(s.temp).constData(),
                        QFile::encodeName(s.target).constData()) != 0) {
            error_ = QStringLiteral("%1: cannot replace the file").arg(s.target);
            discard();
            return false;
        }
    }
    staged_.clear();
    return true;
}

void StagedFiles::discard() {
    for (const Staged& s : staged_) {
        QFile::remove(s.temp);
    }
    staged_.clear();
}

}  // namespace ztv
