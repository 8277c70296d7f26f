#pragma once

#include "common/archives/PackageReader.h"
#include "common/formats/DisplayScaling.h"
#include "common/formats/LanguageFile.h"
#include "common/formats/PageFileSplitter.h"
#include "common/formats/ProjectSettings.h"
#include "common/platform/ShownPath.h"
#include "player/elements/MediaPath.h"
#include "player/engine/PlayerEnvironment.h"
#include "player/engine/ProjectState.h"

#include <QObject>
#include <QRect>
#include <QString>
#include <QStringList>
#include <optional>

namespace ztv {

// The open project: finding and opening it (the editor's working copy, a saved project, a
// package), the playback directory this run made for it, the files extracted from a package,
// and where stored paths are on this machine. Its state is read through project(); only the
// opening writes it.
class ProjectSession : public QObject {
    Q_OBJECT
  public:
    explicit ProjectSession(const PlayerEnvironment& env, QObject* parent = nullptr);
    ~ProjectSession() override;  // removes a playback directory this run created

    // Finds and opens the project of the start mode. False: the player is to end (the
    // messages have been shown).
    bool open(const QString& playerFolderHost);
    // The single-file project an action plays in place of this one (a Windows path that
    // exists), from its first page, in a window of its own size. False: the player ends.
    bool openInPlace(const QString& windowsPath);
    // The clean-up at the end of playback: the playback directory this run created,
    // "rlang.asc" of the temp folder unless keepLanguageFile, and the files extracted from a
    // package.
    void removeRunFiles(bool keepLanguageFile);

    const ProjectState& project() const { return state_; }
    const DisplayGeometry& geometry() const { return geometry_; }
    // The transitions' page area as the project's settings give it; none before settings.
    std::optional<QRect> pageArea() const { return pageArea_; }
    // The page shown first: the settings' first page, or the page the editor asked for.
    int startPage() const { return startPage_; }
    const LanguageFile& language() const { return language_; }
    QString message(int line) const { return language_.message(line); }
    const QString& title() const { return title_; }
    void tell(const QString& text) const;

    // --- where things are ---
    QString playbackDirectory() const;  // Windows path: Chemin + "\" + the name
    QString playbackDirectoryHost() const;
    bool ownsPlaybackDirectory() const { return !ownedPlaybackHost_.isEmpty(); }
    const QString& playerFolderHost() const { return playerFolderHost_; }
    // The host path of page + ".JOU" in the playback directory, split from "pages.tae" when it
    // is first asked for.
    QString pageFileHost(int page);
    // A page the project has: its page file, or a line of its page table.
    bool pageExists(int page);
    QString toHost(const QString& windowsPath) const { return env_.drives.toHost(windowsPath); }
    bool exists(const QString& windowsPath) const;
    // A stored path with a drive: itself, else on the media drive, else on the first drive
    // that has it (which becomes the media drive), else beneath the folder of a moved project;
    // "0" when found nowhere.
    QString locateFile(const QString& windowsPath);
    // Tries the drive-less path on A: to Z: (known drives only); a hit sets the media drive.
    bool searchDrivesFor(const QString& pathWithoutDrive);
    QString mediaDrive() const { return mediaDrive_; }
    void resetMediaDrive() { mediaDrive_ = QStringLiteral("C:"); }
    // A project moved elsewhere: the stored path's file beneath the project's folder; the
    // Windows path of the hit, empty when none.
    QString findBesideProject(const QString& storedPath) const;

    // --- what a package hands out ---
    // In a packed project, the host path of the file a stored path names in the playback
    // directory, extracted from the package when it is not there yet; empty when the package
    // has no such file. Otherwise the path in the playback directory, unchanged.
    QString extractOnDemand(const QString& storedPath);
    // The host path of the page's media data file (media packed page by page); empty: none.
    QString mediaDataFileHost(int page);
    // Where packing put a stored sound or video, as a drive-less path; a packed one is
    // extracted first.
    QString mediaPlaybackPath(const QString& stored, MediaKind kind);
    // The files extractions from the package wrote, removed at the end of playback.
    const QStringList& extractedFiles() const { return package_.extractedFiles(); }

  signals:
    void titleChanged(const QString& title);

  private:
    bool openWorkingCopy();
    bool applySettings(const ProjectSettings& settings, bool readFirstPage);
    void openSavedProject();
    bool isProjectFile(const QString& given);
    QString findProjectBesidePlayer();
    QString chooseProject();
    bool openPlaybackDirectory(const QString& driveOf, const QString& rootFolder);
    bool copyContainerAndSplit();
    // From containerHost when given, "pages.tae" being its copy; else "pages.tae" as it is.
    bool splitPagesTae(const QString& containerHost = QString());
    void writeEmptyPages();
    void copyKeywordTable();
    // The project appended to this player's program; false: the player ends.
    bool openAppendedProject();
    // The single-file project named by projectPath; false: the player ends.
    bool openSingleFile();
    void beginPackage();
    bool endPackageOpening();
    void loadPackedLanguage();
    bool openPackedContainer(const QString& baseName);
    void applyPackingSettings(const ProjectSettings& settings);
    QString packedMediaDataFile(int page);
    void setTitle(const QString& title);
    void removeOwnedPlaybackDirectory();
    void removeExtractedFiles();
    // What a person reads in a message for a stored or Windows path: its host path.
    QString shownPath(const QString& path) const { return ztv::shownPath(env_.drives, path); }

    const PlayerEnvironment& env_;
    ProjectState state_;
    QString playerFolder_;  // Windows path
    QString playerFolderHost_;
    QString ownedPlaybackHost_;  // set only for a playback directory this run created
    std::optional<PageFileSplitter> pageFiles_;  // the pages of "pages.tae" not yet split
    LanguageFile language_;
    PackageReader package_;
    DisplayGeometry geometry_;
    std::optional<QRect> pageArea_;
    int startPage_ = 1;
    QString mediaDrive_ = QStringLiteral("C:");
    QString title_;
};

}  // namespace ztv
