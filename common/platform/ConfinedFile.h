#pragma once

#include <QDateTime>
#include <QFile>
#include <QString>
#include <QStringList>
#include <memory>
#include <optional>

class QTemporaryFile;

namespace ztv {

// The folders and file name of a name that comes from a package or an archive, split on "\"
// and "/" with empty and "." parts dropped; nullopt when a part is "..", holds ":" or a NUL,
// or nothing is left. Such names never reach the file system as given.
std::optional<QStringList> confinedComponents(const QString& storedName);

// A file written from untrusted data into a target folder, never outside it: folders are
// created only inside the target and never followed through a link; the data goes to a
// temporary file beside the final one, which replaces the old file (or link) in one rename only
// once it is complete. Dropped without `commit`, nothing is left behind.
class ConfinedFile {
  public:
    ConfinedFile();
    ~ConfinedFile();
    ConfinedFile(const ConfinedFile&) = delete;
    ConfinedFile& operator=(const ConfinedFile&) = delete;

    // False when the components would leave the target, pass through a link, or the
    // temporary file cannot be created.
    bool open(const QString& targetDirHost, const QStringList& components);
    QFile& file();
    // The host path the file will have.
    const QString& finalPath() const { return finalPath_; }
    // Optionally sets the modification time, then renames the file into place.
    bool commit(const std::optional<QDateTime>& modified = std::nullopt);

  private:
    std::unique_ptr<QTemporaryFile> temp_;
    QString finalPath_;
};

// Where a confined name would land, for existence tests before extracting; empty when the
// name is refused.
QString confinedPath(const QString& targetDirHost, const QStringList& components);

}  // namespace ztv
