#pragma once

#include <QList>
#include <QString>
#include <cstdint>
#include <optional>

namespace ztv {

inline constexpr int kPageTableRecordSize = 208;

// One record of the page table (PAGES.TAE, NAME.PZV).
struct PageEntry {
    std::int32_t number = 0;
    QString title;

    // A title of one blank marks a deleted page.
    bool isDeleted() const { return title == QStringLiteral(" "); }
    bool operator==(const PageEntry&) const = default;
};

namespace pagetable {

QByteArray encode(const PageEntry& entry);
PageEntry decode(const QByteArray& record);

// Every record from record 1, deleted ones included (the editor keeps their slots);
// nullopt when the file cannot be read.
std::optional<QList<PageEntry>> readAll(const QString& hostPath);
// The pages every list shows: live, positive page numbers, in file order. A missing file is
// an empty table.
QList<PageEntry> readLive(const QString& hostPath);
// Record 0 zeros, then the entries from record 1; written atomically.
bool write(const QString& hostPath, const QList<PageEntry>& entries, QString* error = nullptr);

}  // namespace pagetable
}  // namespace ztv
