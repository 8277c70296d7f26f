// Finding and opening the project: the editor's working copy (preview and external host), or
// a saved project copied into a playback directory of this run's own; where stored paths are.
#include "player/engine/ProjectSession.h"
#include "common/archives/ElfImage.h"
#include "common/formats/ColorText.h"
#include "common/formats/Container.h"
#include "common/formats/ElementRecord.h"
#include "common/formats/LangLines.h"
#include "common/formats/MovedMedia.h"
#include "common/formats/PageTable.h"
#include "common/formats/PlaybackDirectory.h"
#include "common/platform/AppPaths.h"
#include "common/platform/FileIo.h"
#include "common/platform/WinPath.h"
#include "player/engine/RemoveTree.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ztv {
namespace {

const QString kProjectFilter = QStringLiteral("Zentrovale ZTV (*.ZTV *.ZTVX *.ztv *.ztvx)");

}  // namespace

ProjectSession::ProjectSession(const PlayerEnvironment& env, QObject* parent)
    : QObject(parent), env_(env) {}

ProjectSession::~ProjectSession() {
    removeOwnedPlaybackDirectory();
    removeExtractedFiles();
}

bool ProjectSession::open(const QString& playerFolderHost) {
    playerFolderHost_ = QDir::cleanPath(playerFolderHost);
    playerFolder_ = env_.drives.toWindows(playerFolderHost_);
    state_.ProjetStretch = state_.ProjetCache = state_.ZTVXExt = false;
    state_.CouleurCache = Qt::black;
    state_.playbackName = QStringLiteral("base");
    mediaDrive_ = QStringLiteral("C:");
    state_.Chemin = playerFolder_;
    state_.projectWidth = ProjectSettings::kDefaultWidth;
    state_.projectHeight = ProjectSettings::kDefaultHeight;
    state_.screenWidth = env_.screenSize.width();
    state_.screenHeight = DisplayGeometry::heightForWidth(state_.screenWidth);
    geometry_ = DisplayGeometry{state_.projectWidth, state_.projectHeight, state_.screenWidth,
                                state_.screenHeight};
    state_.projectPath.clear();
    state_.workingCopyOrigin.clear();
    startPage_ = 1;
    state_.mode = startModeOf(env_.arguments);
    // The messages of the opening need the language lines before the playback directory
    // exists; they are the player's own file in every mode.
    language_.load(AppPaths(playerFolderHost_, playerFolderHost_).playerLanguageFile());

    if (state_.mode != StartMode::Application) {
        return openWorkingCopy();
    }
    if (carriesAppendedData(env_.programPath)) {
        return openAppendedProject();
    }
    openSavedProject();
    return !state_.projectPath.isEmpty();
}

bool ProjectSession::openWorkingCopy() {
    const auto page = hostedPage(env_.arguments);
    if (!page) {
        tell(message(lang::PageNumberNotANumber) + u' ' + env_.arguments.value(1));
        return false;
    }
    const QString dataFolder = hostedDataFolder(env_.arguments);
    if (!dataFolder.isEmpty()) {
        state_.Chemin = env_.drives.outsideToWindows(QDir::cleanPath(dataFolder));
    }
    state_.playbackName = QStringLiteral("base");
    state_.CheminMotCle = state_.Chemin + QStringLiteral("\\base\\Mots.pmg");
    startPage_ = *page;
    const QString settingsHost = toHost(state_.Chemin + QStringLiteral("\\base\\$inip.ini"));
    if (QFileInfo::exists(settingsHost)) {
        QFile::setPermissions(settingsHost, QFile::permissions(settingsHost) | QFile::WriteOwner);
    }
    ProjectSettings settings;
    settings.load(settingsHost);
    // An untitled project's line names no file; it has no folder of its own.
    const QString origin = settings.line(ProjectSettings::ContainerPath);
    state_.workingCopyOrigin = winpath::hasDrive(origin) ? origin : QString();
    return applySettings(settings, false);
}

bool ProjectSession::applySettings(const ProjectSettings& settings, bool readFirstPage) {
    if (!settings.isCurrentVersion()) {
        tell(ProjectSettings::oldVersionMessage());
        state_.projectPath.clear();
        return false;
    }
    geometry_ = DisplayGeometry::from(settings, state_.screenWidth);
    pageArea_ = geometry_.pageArea();
    state_.projectWidth = geometry_.projectWidth;
    state_.projectHeight = geometry_.projectHeight;
    if (readFirstPage) {
        startPage_ = settings.firstPage();
    }
    state_.transparentProject = settings.isTransparent();
    state_.ProjetStretch = geometry_.fullScreen;
    state_.ProjetCache = geometry_.masked;
    state_.CouleurCache =
        state_.ProjetCache ? colourOfValue(settings.maskColour()) : QColor(Qt::black);
    return true;
}

void ProjectSession::openSavedProject() {
    startPage_ = 1;
    const QString given = commandLineProjectPath(env_.arguments);
    state_.projectPath = given.isEmpty() ? findProjectBesidePlayer()
                                         : env_.drives.outsideToWindows(QDir::cleanPath(given));
    if (!given.isEmpty() && !isProjectFile(given)) {
        state_.projectPath.clear();
        return;
    }
    state_.openedAsDocument = !given.isEmpty();
    if (state_.projectPath.isEmpty()) {
        return;
    }
    if (winpath::extension(state_.projectPath).toUpper() == QStringLiteral(".ZTVX")) {
        openSingleFile();
        return;
    }
    const QString settingsPath = state_.projectBase() + QStringLiteral(".INI");
    if (!exists(settingsPath)) {
        tell(message(lang::FilePrefix) + u' ' + shownPath(settingsPath) + u' ' +
             message(lang::NotFoundSuffix));
        state_.projectPath.clear();
        return;
    }
    ProjectSettings settings;
    settings.load(toHost(settingsPath));
    if (!applySettings(settings, true)) {
        return;
    }
    if (settings.isMediaPackedByPage()) {
        state_.mediaByPage = true;
        state_.mediaDataFolder = state_.Chemin;
    }
    setTitle(winpath::fileName(state_.projectPath));
    if (!openPlaybackDirectory(state_.projectPath, playerFolder_)) {
        state_.projectPath.clear();
        return;
    }
    language_.load(toHost(state_.Chemin + QStringLiteral("\\rlang.asc")));
    if (!copyContainerAndSplit()) {
        state_.projectPath.clear();
        return;
    }
    copyKeywordTable();
}

// What the user gave is reported as given: a folder as a folder, a missing file as missing.
// A missing container whose settings file is there is the project's own fault, reported when
// the container is copied.
bool ProjectSession::isProjectFile(const QString& given) {
    const QString host = state_.projectPath.isEmpty() ? QString() : toHost(state_.projectPath);
    const QFileInfo info(host);
    if (!host.isEmpty() && info.isDir()) {
        tell(message(lang::PathIsAFolder) + u' ' + given);
        return false;
    }
    if (host.isEmpty() ||
        (!info.exists() && !exists(state_.projectBase() + QStringLiteral(".INI")))) {
        tell(message(lang::FilePrefix) + u' ' + given + u' ' + message(lang::NotFoundSuffix));
        return false;
    }
    return true;
}

QString ProjectSession::findProjectBesidePlayer() {
    const QString base = winpath::join(playerFolder_, programBaseName(env_.programPath));
    if (exists(base + QStringLiteral(".ZTV"))) {
        return base + QStringLiteral(".ZTV");
    }
    if (exists(base + QStringLiteral(".INI"))) {
        ProjectSettings settings;
        settings.load(toHost(base + QStringLiteral(".INI")));
        const QString line0 = settings.line(ProjectSettings::ContainerPath);
        QString path;
        if (winpath::hasDrive(line0)) {
            path = line0;
        } else if (line0.startsWith(u'\\')) {
            path = mediaDrive_ + line0;
        } else if (!line0.isEmpty()) {
            path = env_.drives.outsideToWindows(QDir(playerFolderHost_).absoluteFilePath(line0));
        }
        if (!path.isEmpty() && exists(path)) {
            return path;
        }
    }
    return chooseProject();
}

QString ProjectSession::chooseProject() {
    const QString examples = AppPaths(playerFolderHost_, playerFolderHost_).examplesDir();
    const QString chosen = env_.prompter->openFileName(
        QString(), QFileInfo(examples).isDir() ? examples : QString(), kProjectFilter);
    return chosen.isEmpty() ? QString() : env_.drives.toWindows(chosen);
}

// The playback directory goes into rootFolder, or into the temp folder when driveOf is on a CD
// or rootFolder cannot be written to (a player installed read-only plays as from a CD).
bool ProjectSession::openPlaybackDirectory(const QString& driveOf, const QString& rootFolder) {
    const QString folderHost = toHost(rootFolder);
    const bool inTemp = env_.drives.type(winpath::driveLetter(driveOf)) == DriveType::Cd ||
                        !QFileInfo(folderHost).isWritable();
    const QString rootHost = inTemp ? AppPaths::tempZtvDir() : folderHost;
    const auto name = claimPlaybackDirectory(rootHost);
    if (!name) {
        tell(message(lang::NoPlaybackDirectory) + u' ' + rootHost);
        return false;
    }
    state_.playbackName = *name;
    ownedPlaybackHost_ = QDir(rootHost).filePath(*name);
    if (inTemp) {
        const QString rlang = AppPaths(playerFolderHost_, playerFolderHost_).playerLanguageFile();
        if (QFileInfo::exists(rlang)) {
            copyFileAtomically(rlang, QDir(rootHost).filePath(QStringLiteral("rlang.asc")));
        }
        state_.Chemin = env_.drives.toWindows(rootHost);
    } else {
        state_.Chemin = rootFolder.toLower();
    }
    return true;
}

// One message for one problem. A missing or empty container is reported and playback goes on
// (the page load reports the missing page file); a file that is not a container ends the
// player. Pages without elements are legitimate: they play as empty pages.
bool ProjectSession::copyContainerAndSplit() {
    const QString containerHost = toHost(state_.projectPath);
    const QFileInfo container(containerHost);
    if (!container.isFile()) {
        tell(shownPath(state_.projectPath) + u' ' + message(lang::NotFoundSuffix));
        return true;
    }
    if (container.size() == 0) {
        tell(message(lang::ContainerEmpty));
        return true;
    }
    if (container.size() % kProjectRecordSize != 0 || !splitPagesTae(containerHost)) {
        tell(message(lang::FilePrefix) + u' ' + shownPath(state_.projectPath) + u' ' +
             message(lang::NotAValidProjectSuffix));
        return false;
    }
    return true;
}

// The start page's file is split first: a saved project's container is read only as far as its
// records, the rest (and its copy "pages.tae" in the playback directory) when another page is
// first asked for; a packed project's "pages.tae" is indexed at once. Records that hold no
// element at all were never a project.
bool ProjectSession::splitPagesTae(const QString& containerHost) {
    pageFiles_.reset();
    const QString pagesTae = QDir(ownedPlaybackHost_).filePath(QStringLiteral("pages.tae"));
    const QString source = containerHost.isEmpty() ? pagesTae : containerHost;
    const qint64 size = QFileInfo(source).size();
    if (size <= 0 || size % kProjectRecordSize != 0) {
        return false;
    }
    QFile::setPermissions(pagesTae, QFile::permissions(pagesTae) | QFile::WriteOwner);
    if (containerHost.isEmpty()) {
        auto index = ContainerIndex::ofFile(pagesTae);
        if (index) {
            pageFiles_.emplace(std::move(*index), pagesTae, ownedPlaybackHost_);
        }
    } else {
        pageFiles_ =
            PageFileSplitter::startingWith(startPage_, containerHost, pagesTae, ownedPlaybackHost_);
    }
    if (!pageFiles_ || (size / kProjectRecordSize > 1 && pageFiles_->holdsNoPage())) {
        pageFiles_.reset();
        return false;
    }
    pageFiles_->ensure(startPage_);  // the page shown first
    // A package carries no page table, so only a saved project can name pages without elements.
    if (!state_.packedProject) {
        pageFiles_->whenIndexed([this] { writeEmptyPages(); });
    }
    return true;
}

// The container keeps no record of a page without elements; the page table beside the project
// (NAME.PZV) still lists it, and such a page gets an empty page file.
void ProjectSession::writeEmptyPages() {
    const QString table = state_.projectBase() + QStringLiteral(".PZV");
    if (!exists(table)) {
        return;
    }
    for (const PageEntry& page : pagetable::readLive(toHost(table))) {
        if (page.number > 0 && !pageFiles_->index().contains(page.number)) {
            writeDerivedFile(QDir(ownedPlaybackHost_).filePath(pageFileName(page.number)),
                             QByteArray(kPageRecordSize, '\0'));
        }
    }
}

void ProjectSession::copyKeywordTable() {
    const QString keywords = state_.projectBase() + QStringLiteral(".PMG");
    if (exists(keywords) &&
        copyFileAtomically(toHost(keywords),
                           QDir(ownedPlaybackHost_).filePath(QStringLiteral("MOTS.PMG")))) {
        state_.CheminMotCle = playbackDirectory() + QStringLiteral("\\Mots.pmg");
    }
}

QString ProjectSession::playbackDirectory() const {
    return state_.Chemin + u'\\' + state_.playbackName;
}

QString ProjectSession::playbackDirectoryHost() const {
    return state_.Chemin.isEmpty() ? QString() : toHost(playbackDirectory());
}

QString ProjectSession::pageFileHost(int page) {
    if (pageFiles_) {
        pageFiles_->ensure(page);
    }
    return toHost(playbackDirectory() + u'\\' + QString::number(page) + QStringLiteral(".JOU"));
}

bool ProjectSession::exists(const QString& windowsPath) const {
    const QString host = toHost(windowsPath);
    return !host.isEmpty() && QFileInfo::exists(host);
}

QString ProjectSession::locateFile(const QString& windowsPath) {
    if (exists(windowsPath)) {
        return windowsPath;
    }
    const QString rest =
        winpath::hasDrive(windowsPath) ? winpath::withoutDrive(windowsPath) : windowsPath;
    if (exists(mediaDrive_ + rest) || searchDrivesFor(rest)) {
        return mediaDrive_ + rest;
    }
    const QString moved = findBesideProject(rest);
    return moved.isEmpty() ? QStringLiteral("0") : moved;
}

QString ProjectSession::findBesideProject(const QString& storedPath) const {
    const QString project =
        state_.projectPath.isEmpty() ? state_.workingCopyOrigin : state_.projectPath;
    const QString projectHost = project.isEmpty() ? QString() : toHost(project);
    if (projectHost.isEmpty()) {
        return {};
    }
    const QString found = ztv::findBesideProject(storedPath, QFileInfo(projectHost).absolutePath());
    return found.isEmpty() ? QString() : env_.drives.toWindows(found);
}

bool ProjectSession::searchDrivesFor(const QString& pathWithoutDrive) {
    const QString drive = env_.drives.firstDriveHolding(pathWithoutDrive);
    if (drive.isEmpty()) {
        return false;
    }
    mediaDrive_ = drive;
    return true;
}

// A page the project has: its page file, or a line of its page table (a listed page whose
// file is missing then ends the run, as at every page load).
bool ProjectSession::pageExists(int page) {
    if (page <= 0) {
        return false;
    }
    const QString file = pageFileHost(page);
    if (!file.isEmpty() && QFileInfo(file).isFile()) {
        return true;
    }
    const QString table = state_.projectPath.isEmpty()
                              ? playbackDirectory() + QStringLiteral("\\PAGES.TAE")
                              : state_.projectBase() + QStringLiteral(".PZV");
    const QList<PageEntry> pages = pagetable::readLive(toHost(table));
    return std::any_of(pages.begin(), pages.end(),
                       [page](const PageEntry& entry) { return entry.number == page; });
}

QString ProjectSession::mediaDataFileHost(int page) {
    if (state_.packedProject) {
        return packedMediaDataFile(page);
    }
    const QString found =
        locateFile(state_.mediaDataFolder + u'\\' + QString::number(page) + QStringLiteral(".CDS"));
    return found == QStringLiteral("0") ? QString() : toHost(found);
}

QString ProjectSession::mediaPlaybackPath(const QString& stored, MediaKind kind) {
    MediaPacking packing;
    packing.mediaByPage = state_.mediaByPage;
    packing.packageMode = state_.packedProject;
    packing.mediaInPackage = state_.mediaInPackage;
    packing.chemin = state_.Chemin;
    packing.playbackDirectory = playbackDirectory();
    packing.playerFolder = playerFolder_;
    if (state_.packedProject && state_.mediaByPage && state_.mediaInPackage) {
        extractOnDemand(stored);
    }
    return ztv::mediaPlaybackPath(stored, kind, packing);
}

void ProjectSession::removeRunFiles(bool keepLanguageFile) {
    removeOwnedPlaybackDirectory();
    if (!keepLanguageFile) {
        const QString rlang = QDir(AppPaths::tempZtvDir()).filePath(QStringLiteral("rlang.asc"));
        QFile::setPermissions(rlang, QFile::permissions(rlang) | QFile::WriteOwner);
        QFile::remove(rlang);
    }
    removeExtractedFiles();
}

void ProjectSession::removeOwnedPlaybackDirectory() {
    pageFiles_.reset();
    if (!ownedPlaybackHost_.isEmpty()) {
        removeTree(ownedPlaybackHost_);
        ownedPlaybackHost_.clear();
    }
}

// Only files inside the playback directory or the temp folder's "tempztv" are ever deleted,
// whatever a package named them.
void ProjectSession::removeExtractedFiles() {
    for (const QString& path : package_.extractedFiles()) {
        if (isInsideFolder(path, AppPaths::tempZtvDir()) ||
            (!ownedPlaybackHost_.isEmpty() && isInsideFolder(path, ownedPlaybackHost_))) {
            QFile::setPermissions(path, QFile::permissions(path) | QFile::WriteOwner);
            QFile::remove(path);
        }
    }
    package_.forget();
}

void ProjectSession::setTitle(const QString& title) {
    title_ = title;
    emit titleChanged(title_);
}

void ProjectSession::tell(const QString& text) const {
    env_.prompter->message(text, title_);
}

}  // namespace ztv
