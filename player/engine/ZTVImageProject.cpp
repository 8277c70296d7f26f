// Finding and opening the project: the editor's working copy (preview and external host), or
// a saved project copied into a playback directory of this run's own.
#include "common/formats/ColorText.h"
#include "common/formats/Container.h"
#include "common/formats/ElementRecord.h"
#include "common/formats/LangLines.h"
#include "common/formats/PageTable.h"
#include "common/formats/PlaybackDirectory.h"
#include "common/platform/AppPaths.h"
#include "common/platform/FileIo.h"
#include "common/platform/WinPath.h"
#include "player/engine/ZTVImage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ztv {
namespace {

const QString kProjectFilter = QStringLiteral("Zentrovale ZTV (*.ZTV *.ZTVX *.ztv *.ztvx)");

}  // namespace

bool TZTVImage::openWorkingCopy() {
    const auto page = hostedPage(env_.arguments);
    if (!page) {
        tell(Showmess(lang::PageNumberNotANumber) + u' ' + env_.arguments.value(1));
        return false;
    }
    const QString dataFolder = hostedDataFolder(env_.arguments);
    if (!dataFolder.isEmpty()) {
        Chemin = env_.drives.outsideToWindows(QDir::cleanPath(dataFolder));
    }
    playbackName = QStringLiteral("base");
    CheminMotCle = Chemin + QStringLiteral("\\base\\Mots.pmg");
    Page = *page;
    const QString settingsHost = toHost(Chemin + QStringLiteral("\\base\\$inip.ini"));
    if (QFileInfo::exists(settingsHost)) {
        QFile::setPermissions(settingsHost, QFile::permissions(settingsHost) | QFile::WriteOwner);
    }
    ProjectSettings settings;
    settings.load(settingsHost);
    // An untitled project's line names no file; it has no folder of its own.
    const QString origin = settings.line(ProjectSettings::ContainerPath);
    workingCopyOrigin = winpath::hasDrive(origin) ? origin : QString();
    return applySettings(settings, false);
}

bool TZTVImage::applySettings(const ProjectSettings& settings, bool readFirstPage) {
    if (!settings.isCurrentVersion()) {
        tell(ProjectSettings::oldVersionMessage());
        projectPath.clear();
        return false;
    }
    geometry_ = DisplayGeometry::from(settings, screenWidth);
    transitions_.setPageArea(geometry_.pageArea());
    projectWidth = geometry_.projectWidth;
    projectHeight = geometry_.projectHeight;
    if (readFirstPage) {
        Page = settings.firstPage();
    }
    transparentProject = settings.isTransparent();
    ProjetStretch = geometry_.fullScreen;
    ProjetCache = geometry_.masked;
    CouleurCache = ProjetCache ? colourOfValue(settings.maskColour()) : QColor(Qt::black);
    return true;
}

void TZTVImage::OuvrirProjet() {
    Page = 1;
    const QString given = commandLineProjectPath(env_.arguments);
    projectPath = given.isEmpty() ? findProjectBesidePlayer()
                                  : env_.drives.outsideToWindows(QDir::cleanPath(given));
    if (!given.isEmpty() && !isProjectFile(given)) {
        projectPath.clear();
        return;
    }
    openedAsDocument = !given.isEmpty();
    if (projectPath.isEmpty()) {
        return;
    }
    if (winpath::extension(projectPath).toUpper() == QStringLiteral(".ZTVX")) {
        InitZTVX();
        return;
    }
    const QString settingsPath = projectBase() + QStringLiteral(".INI");
    if (!existsWin(settingsPath)) {
        tell(Showmess(lang::FilePrefix) + u' ' + shownPath(settingsPath) + u' ' +
             Showmess(lang::NotFoundSuffix));
        projectPath.clear();
        return;
    }
    ProjectSettings settings;
    settings.load(toHost(settingsPath));
    if (!applySettings(settings, true)) {
        return;
    }
    if (settings.isMediaPackedByPage()) {
        mediaByPage = true;
        mediaDataFolder = Chemin;
    }
    setTitle(winpath::fileName(projectPath));
    if (!openPlaybackDirectory(projectPath, playerFolder_)) {
        projectPath.clear();
        return;
    }
    language_.load(toHost(Chemin + QStringLiteral("\\rlang.asc")));
    if (!copyContainerAndSplit()) {
        projectPath.clear();
        return;
    }
    copyKeywordTable();
}

// What the user gave is reported as given: a folder as a folder, a missing file as missing.
// A missing container whose settings file is there is the project's own fault, reported when
// the container is copied.
bool TZTVImage::isProjectFile(const QString& given) {
    const QString host = projectPath.isEmpty() ? QString() : toHost(projectPath);
    const QFileInfo info(host);
    if (!host.isEmpty() && info.isDir()) {
        tell(Showmess(lang::PathIsAFolder) + u' ' + given);
        return false;
    }
    if (host.isEmpty() || (!info.exists() && !existsWin(projectBase() + QStringLiteral(".INI")))) {
        tell(Showmess(lang::FilePrefix) + u' ' + given + u' ' + Showmess(lang::NotFoundSuffix));
        return false;
    }
    return true;
}

QString TZTVImage::findProjectBesidePlayer() {
    const QString base = winpath::join(playerFolder_, programBaseName(env_.programPath));
    if (existsWin(base + QStringLiteral(".ZTV"))) {
        return base + QStringLiteral(".ZTV");
    }
    if (existsWin(base + QStringLiteral(".INI"))) {
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
        if (!path.isEmpty() && existsWin(path)) {
            return path;
        }
    }
    return chooseProject();
}

QString TZTVImage::chooseProject() {
    const QString examples = AppPaths(playerFolderHost_, playerFolderHost_).examplesDir();
    const QString chosen = env_.prompter->openFileName(
        QString(), QFileInfo(examples).isDir() ? examples : QString(), kProjectFilter);
    return chosen.isEmpty() ? QString() : env_.drives.toWindows(chosen);
}

// The playback directory goes into rootFolder, or into the temp folder when driveOf is on a CD
// or rootFolder cannot be written to (a player installed read-only plays as from a CD).
bool TZTVImage::openPlaybackDirectory(const QString& driveOf, const QString& rootFolder) {
    const QString folderHost = toHost(rootFolder);
    const bool inTemp = env_.drives.type(winpath::driveLetter(driveOf)) == DriveType::Cd ||
                        !QFileInfo(folderHost).isWritable();
    const QString rootHost = inTemp ? AppPaths::tempZtvDir() : folderHost;
    const auto name = claimPlaybackDirectory(rootHost);
    if (!name) {
        tell(Showmess(lang::NoPlaybackDirectory) + u' ' + rootHost);
        return false;
    }
    playbackName = *name;
    ownedPlaybackHost_ = QDir(rootHost).filePath(*name);
    if (inTemp) {
        const QString rlang = AppPaths(playerFolderHost_, playerFolderHost_).playerLanguageFile();
        if (QFileInfo::exists(rlang)) {
            copyFileAtomically(rlang, QDir(rootHost).filePath(QStringLiteral("rlang.asc")));
        }
        Chemin = env_.drives.toWindows(rootHost);
    } else {
        Chemin = rootFolder.toLower();
    }
    return true;
}

// One message for one problem. A missing or empty container is reported and playback goes on
// (the page load reports the missing page file); a file that is not a container ends the
// player. Pages without elements are legitimate: they play as empty pages.
bool TZTVImage::copyContainerAndSplit() {
    const QString containerHost = toHost(projectPath);
    const QFileInfo container(containerHost);
    if (!container.isFile()) {
        tell(shownPath(projectPath) + u' ' + Showmess(lang::NotFoundSuffix));
        return true;
    }
    if (container.size() == 0) {
        tell(Showmess(lang::ContainerEmpty));
        return true;
    }
    if (container.size() % kProjectRecordSize != 0 || !splitPagesTae(containerHost)) {
        tell(Showmess(lang::FilePrefix) + u' ' + shownPath(projectPath) + u' ' +
             Showmess(lang::NotAValidProjectSuffix));
        return false;
    }
    return true;
}

// The start page's file is split first: a saved project's container is read only as far as its
// records, the rest (and its copy "pages.tae" in the playback directory) when another page is
// first asked for; a packed project's "pages.tae" is indexed at once. Records that hold no
// element at all were never a project.
bool TZTVImage::splitPagesTae(const QString& containerHost) {
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
            PageFileSplitter::startingWith(Page, containerHost, pagesTae, ownedPlaybackHost_);
    }
    if (!pageFiles_ || (size / kProjectRecordSize > 1 && pageFiles_->holdsNoPage())) {
        pageFiles_.reset();
        return false;
    }
    pageFiles_->ensure(Page);  // the page shown first
    // A package carries no page table, so only a saved project can name pages without elements.
    if (!packedProject) {
        pageFiles_->whenIndexed([this] { writeEmptyPages(); });
    }
    return true;
}

// The container keeps no record of a page without elements; the page table beside the project
// (NAME.PZV) still lists it, and such a page gets an empty page file.
void TZTVImage::writeEmptyPages() {
    const QString table = projectBase() + QStringLiteral(".PZV");
    if (!existsWin(table)) {
        return;
    }
    for (const PageEntry& page : pagetable::readLive(toHost(table))) {
        if (page.number > 0 && !pageFiles_->index().contains(page.number)) {
            writeDerivedFile(QDir(ownedPlaybackHost_).filePath(pageFileName(page.number)),
                             QByteArray(kPageRecordSize, '\0'));
        }
    }
}

void TZTVImage::copyKeywordTable() {
    const QString keywords = projectBase() + QStringLiteral(".PMG");
    if (existsWin(keywords) &&
        copyFileAtomically(toHost(keywords),
                           QDir(ownedPlaybackHost_).filePath(QStringLiteral("MOTS.PMG")))) {
        CheminMotCle = playbackDirectory() + QStringLiteral("\\Mots.pmg");
    }
}

}  // namespace ztv
