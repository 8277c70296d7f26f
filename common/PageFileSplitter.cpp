#include "common/PageFileSplitter.h"

#include "common/Container.h"
#include "common/platform/FileIo.h"

#include <QDir>
#include <QFile>

namespace ztv {

PageFileSplitter::PageFileSplitter(ContainerIndex index, QString containerHost,
                                   QString targetDirHost)
    : index_(std::move(index)),
      containerHost_(std::move(containerHost)),
      targetDirHost_(std::move(targetDirHost)) {}

bool PageFileSplitter::ensure(std::int32_t page) {
    if (written_.contains(page)) {
        return true;
    }
    if (!index_.contains(page)) {
        return false;
    }
    const auto [offset, length] = index_.byteRange(page);
    QFile container(containerHost_);
    if (!container.open(QIODevice::ReadOnly) || !container.seek(offset)) {
        return false;
    }
    const QByteArray run = container.read(length);
    if (run.size() != length || !writeDerivedFile(QDir(targetDirHost_).filePath(pageFileName(page)),
                                                  ContainerIndex::pageFileOfRun(run))) {
        return false;
    }
    written_.insert(page);
    return true;
}

}  // namespace ztv
