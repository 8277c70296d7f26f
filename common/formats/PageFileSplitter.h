#pragma once

#include "common/formats/ContainerIndex.h"

#include <QFile>
#include <QSet>
#include <QString>

#include <functional>
#include <memory>
#include <optional>

namespace ztv {

// Splits a project container into page files one page at a time, when a page is first asked
// for: the first page of a large project plays without waiting for the others. Only file names
// made from page numbers are written, and only inside the target folder.
class PageFileSplitter {
  public:
    PageFileSplitter(ContainerIndex index, QString containerHost, QString targetDirHost);

    // A saved project's container read at first only as far as the start page's records, whose
    // file is written at once. The rest is read (and copied to copyHost, where later pages are
    // split from) when another page or the index is first asked for; the container stays open
    // meanwhile, so a project saved again by renaming a new file over it is not mixed in.
    // nullopt when the container cannot be read.
    static std::optional<PageFileSplitter> startingWith(std::int32_t page,
                                                        const QString& containerHost,
                                                        const QString& copyHost,
                                                        const QString& targetDirHost);

    // Calls then once the whole container is indexed: now, when it is.
    void whenIndexed(std::function<void()> then);
    // Whether the container holds no page at all (known without reading on).
    bool holdsNoPage() const { return !unread_ && index_.pages().isEmpty(); }

    const ContainerIndex& index();
    // Writes the page's file from the container unless it was written already; false when the
    // container has no such page or the file cannot be written.
    bool ensure(std::int32_t page);

  private:
    bool writePage(std::int32_t page, QFile& container, std::pair<qint64, qint64> range);
    void indexTheRest();

    ContainerIndex index_;
    QString containerHost_;
    QString targetDirHost_;
    QSet<std::int32_t> written_;
    // Until the whole container is indexed: the open container, the start page and its run.
    std::unique_ptr<QFile> unread_;
    std::int32_t startPage_ = 0;
    std::pair<qint64, qint64> startRun_;
    std::function<void()> whenIndexed_;
};

}  // namespace ztv
