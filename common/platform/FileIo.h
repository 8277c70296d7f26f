#pragma once

#include <QByteArray>
#include <QString>
#include <QStringList>
#include <optional>

namespace ztv {

// The whole file; nullopt when it cannot be opened.
std::optional<QByteArray> readWhole(const QString& hostPath, QString* error = nullptr);

// Saving never destroys the only good copy: the data goes to a temporary file in the same
// folder, is flushed, and only then renamed over the old file.
bool writeFileAtomically(const QString& hostPath, const QByteArray& data, QString* error = nullptr);
bool copyFileAtomically(const QString& fromHost, const QString& toHost, QString* error = nullptr);
// A file rebuilt from another that stays the good copy (a page file split from its container):
// written whole under a temporary name and renamed over the old one, so that no reader sees
// half a file, but not flushed to disk, which costs a disk round trip per file.
bool writeDerivedFile(const QString& hostPath, const QByteArray& data, QString* error = nullptr);
bool copyDerivedFile(const QString& fromHost, const QString& toHost, QString* error = nullptr);

// Text files of lines: CR LF or LF on read, CR LF on write; Windows-1252 on disk.
std::optional<QStringList> readLines(const QString& hostPath);
bool writeLines(const QString& hostPath, const QStringList& lines, QString* error = nullptr);
bool writeDerivedLines(const QString& hostPath, const QStringList& lines, QString* error = nullptr);

// The entry of a folder whose name matches without regard to case (an exact match first);
// empty when there is none.
QString findEntryNoCase(const QString& hostDir, const QString& name);

}  // namespace ztv
