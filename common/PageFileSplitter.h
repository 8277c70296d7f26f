#pragma once

#include "common/ContainerIndex.h"

#include <QSet>
#include <QString>

namespace ztv {

// Splits a project container into page files one page at a time, when a page is first asked
// for: the first page of a large project plays without waiting for the others. Only file names
// made from page numbers are written, and only inside the target folder.
class PageFileSplitter {
  public:
    PageFileSplitter(ContainerIndex index, QString containerHost, QString targetDirHost);

    const ContainerIndex& index() const { return index_; }
    // Writes the page's file from the container unless it was written already; false when the
    // container has no such page or the file cannot be written.
    bool ensure(std::int32_t page);

  private:
    ContainerIndex index_;
    QString containerHost_;
    QString targetDirHost_;
    QSet<std::int32_t> written_;
};

}  // namespace ztv
