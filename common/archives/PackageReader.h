#pragma once

#include "common/archives/CabinetFile.h"

#include <QFile>
#include <QString>
#include <QStringList>
#include <functional>
#include <optional>

namespace ztv {

// The reader side of packed projects: entries appended to the player's own program, and the
// cabinet archive a package opens (the project archive, a page's archive, or a .ZTVX file).
// Every file it writes lands in one target folder (the playback directory) under a name reduced
// to its file name, and is listed so that the end of playback can remove it.
class PackageReader {
  public:
    // The stored name that the search by extension answers when nothing matches.
    static inline const QString kNotFound = QStringLiteral("0XX");

    // Back to no program, no archive, nothing found and nothing listed.
    void reset();

    // Where extracted files land (a host folder that exists).
    void setTarget(const QString& targetDirHost) { target_ = targetDirHost; }
    const QString& target() const { return target_; }

    // Opens the program whose appended entries are searched; they start where its ELF image
    // ends. False when it cannot be read or carries nothing.
    bool openProgram(const QString& programHost);

    // Makes the archive the open one and searches go to its contents (archive mode). False
    // when it is no readable cabinet: its contents are then empty and every search fails.
    bool openArchive(const QString& cabHost);
    // Searches go back to the appended entries.
    void leaveArchiveMode() { archiveMode_ = false; }
    bool archiveMode() const { return archiveMode_; }
    // Extracts every file of the open archive into the target.
    bool extractWholeArchive();

    // `RechercheElementDansExe`: the first entry (or archive file) whose file name equals name
    // without regard to case. In archive mode it is extracted at once, and found means the
    // extracted file exists.
    bool findByName(const QString& name);
    // `RechercheExtensionDansExe`: the stored name of the first entry whose extension,
    // lower-cased, equals extension (given lower-case; dot included), or kNotFound.
    QString findByExtension(const QString& extension);
    // `ChargeStreamExe`: brings the file found last into the target as fileName (reduced to
    // its file name): a file already there is kept; in archive mode the extracted file is
    // renamed. The host path; nullopt when nothing was found or the copy failed.
    std::optional<QString> bringTo(const QString& fileName);

    // Every file written into the target, in order; forget() drops the list after clean-up.
    const QStringList& extractedFiles() const { return extracted_; }
    void forget() { extracted_.clear(); }

  private:
    bool findEntry(const std::function<bool(const QString&)>& matches, QString* stored);
    bool findInArchive(const std::function<bool(const QString&)>& matches, QString* stored);
    void noteExtracted(const QString& hostPath);

    QString target_;
    QFile program_;
    qint64 entriesStart_ = 0;
    bool entryFound_ = false;
    qint64 sizeFieldAt_ = 0;
    QString foundName_;
    bool archiveMode_ = false;
    CabinetFile archive_;
    QString archiveExtracted_;  // host path of the file the last archive search extracted
    QStringList extracted_;
};

// The extension of a stored name from its last ".", dot included, lower-cased; empty without.
QString lowerExtension(const QString& name);

}  // namespace ztv
