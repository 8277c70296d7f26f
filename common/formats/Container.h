#pragma once

#include "common/formats/PageTable.h"

#include <QList>
#include <QString>
#include <optional>

namespace ztv {

// Page file name of page n: n + ".JOU" (".ACT" for the editing copy).
QString pageFileName(std::int32_t page, const QString& extension = QStringLiteral(".JOU"));

struct SplitResult {
    bool ok = false;
    QString error;
    QList<std::int32_t> pages;  // in the order their files were (re)created
};

// Splits a project container into page files inside targetDir. A page whose records come in
// several runs keeps only its last run, because its file is recreated when the page changes.
// With actCopies, each page file is also copied to page + ".ACT". Only file names made from
// page numbers are written, and only inside targetDir; each whole and renamed into place, not
// flushed to disk: the container stays the good copy.
SplitResult splitContainer(const QString& containerHost, const QString& targetDirHost,
                           bool actCopies);

// The container of the page files of dirHost, page by page in table order, deleted pages and
// absent records left out; nullopt when a page file cannot be read.
std::optional<QByteArray> packContainerData(const QString& dirHost,
                                            const QList<PageEntry>& pageTable,
                                            QString* error = nullptr);
// packContainerData written atomically.
bool packContainer(const QString& dirHost, const QList<PageEntry>& pageTable,
                   const QString& containerHost, QString* error = nullptr);

}  // namespace ztv
