#include "common/formats/PageFileSplitter.h"

#include "common/formats/Container.h"
#include "common/platform/FileIo.h"

#include <QDir>

namespace ztv {

PageFileSplitter::PageFileSplitter(ContainerIndex index, QString containerHost,
                                   QString targetDirHost)
    : index_(std::move(index)),
      containerHost_(std::move(containerHost)),
      targetDirHost_(std::move(targetDirHost)) {}

std::optional<PageFileSplitter> PageFileSplitter::startingWith(std::int32_t page,
                                                               const QString& containerHost,
                                                               const QString& copyHost,
                                                               const QString& targetDirHost) {
    auto container = std::make_unique<QFile>(containerHost);
    if (!container->open(QIODevice::ReadOnly)) {
        return std::nullopt;
    }
    const auto run = ContainerIndex::firstRunOf(*container, page);
    if (run.second == 0) {
        // No start page to show first: the whole container at once, as it is not one to play.
        auto index = ContainerIndex::ofFile(*container, nullptr, copyHost);
        return index ? std::optional(PageFileSplitter(std::move(*index), copyHost, targetDirHost))
                     : std::nullopt;
    }
    PageFileSplitter splitter(ContainerIndex(), copyHost, targetDirHost);
    if (!splitter.writePage(page, *container, run)) {
        return std::nullopt;
    }
    splitter.unread_ = std::move(container);
    splitter.startPage_ = page;
    splitter.startRun_ = run;
    return splitter;
}

void PageFileSplitter::whenIndexed(std::function<void()> then) {
    if (unread_) {
        whenIndexed_ = std::move(then);
    } else {
        then();
    }
}

const ContainerIndex& PageFileSplitter::index() {
    indexTheRest();
    return index_;
}

bool PageFileSplitter::ensure(std::int32_t page) {
    if (written_.contains(page)) {
        return true;
    }
    indexTheRest();
    if (!index_.contains(page)) {
        return false;
    }
    QFile container(containerHost_);
    return container.open(QIODevice::ReadOnly) &&
           writePage(page, container, index_.byteRange(page));
}

bool PageFileSplitter::writePage(std::int32_t page, QFile& container,
                                 std::pair<qint64, qint64> range) {
    const auto [offset, length] = range;
    if (!container.seek(offset)) {
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

void PageFileSplitter::indexTheRest() {
    if (!unread_) {
        return;
    }
    const std::unique_ptr<QFile> container = std::move(unread_);
    index_ = ContainerIndex::ofFile(*container, nullptr, containerHost_).value_or(ContainerIndex());
    // A page whose records come in several runs is its last run: the start page is split again
    // when the whole container shows a later run of it.
    if (index_.byteRange(startPage_) != startRun_) {
        written_.remove(startPage_);
    }
    if (whenIndexed_) {
        whenIndexed_();
    }
}

}  // namespace ztv
