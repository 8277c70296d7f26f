#pragma once

#include <QByteArrayView>
#include <QFile>
#include <QHash>
#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

namespace ztv {

// Where each page's records lie in a project container, found in one sequential read. A page
// whose records come in several runs keeps only its last run, as a split recreates its file
// when the page comes back. Records without an element or with a page number below 1 belong
// to no page and do not end a run.
class ContainerIndex {
  public:
    // The container's whole bytes, record 0 included.
    static ContainerIndex ofBytes(QByteArrayView container);
    // The container file read from start to end; nullopt with the reason when it cannot be.
    // With copyHost, every byte read is also written there: one read makes the copy and its
    // index. The copy is not flushed: the container stays the good copy.
    static std::optional<ContainerIndex> ofFile(const QString& host, QString* error = nullptr,
                                                const QString& copyHost = QString());
    // The same from an open file, read from its start.
    static std::optional<ContainerIndex> ofFile(QFile& file, QString* error = nullptr,
                                                const QString& copyHost = QString());
    // Byte offset and length of the page's first run, the file read from its start only as far
    // as that run's end; {0, 0} when the file has no record of the page or cannot be read.
    static std::pair<qint64, qint64> firstRunOf(QFile& file, std::int32_t page);

    // The pages in the order a split (re)creates their files.
    QList<std::int32_t> pages() const;
    bool contains(std::int32_t page) const { return runs_.contains(page); }

    // Byte offset and length of the page's last run in the container; {0, 0} for none.
    std::pair<qint64, qint64> byteRange(std::int32_t page) const;

    // The page file made of a run's container bytes (from byteRange): record 0 zeros, then
    // every record of the run in the page layout.
    static QByteArray pageFileOfRun(QByteArrayView run);

  private:
    struct Run {
        qint64 first = 0;  // record indices, end excluded
        qint64 end = 0;
    };
    void add(qint64 index, const char* record);

    QHash<std::int32_t, Run> runs_;
    std::int32_t lastPage_ = 0;
};

}  // namespace ztv
