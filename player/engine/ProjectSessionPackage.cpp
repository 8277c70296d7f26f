// Packed projects: the project appended to this player's own program, the single-file .ZTVX
// project, and the files a package hands out on demand (a page's media data file, sounds and
// videos). Everything is extracted into this run's playback directory.
#include "common/archives/EntryReader.h"
#include "common/formats/LangLines.h"
#include "common/platform/WinPath.h"
#include "player/engine/ProjectSession.h"

#include <QDir>
#include <QFileInfo>

namespace ztv {
namespace {

// "demo.ztv" without its last four characters.
QString withoutExtension(const QString& name) {
    return name.left(std::max<qsizetype>(0, name.size() - 4));
}

const QString kCabNotFound = QStringLiteral("compress page by page: cab not found");
const QString kCdsNotFound = QStringLiteral("compress page by page: cds not found");

}  // namespace

bool ProjectSession::openAppendedProject() {
    beginPackage();
    const QString base = programBaseName(env_.programPath);
    if (!package_.openProgram(env_.programPath) ||
        !openPlaybackDirectory(playerFolder_, playerFolder_)) {
        return endPackageOpening();
    }
    package_.setTarget(ownedPlaybackHost_);
    if (package_.findByName(QStringLiteral("rlang.asc"))) {
        loadPackedLanguage();
    } else if (package_.findByExtension(QStringLiteral(".cab")) != PackageReader::kNotFound) {
        const auto archive = package_.bringTo(base + QStringLiteral(".cab"));
        if (archive && package_.openArchive(*archive) &&
            package_.findByName(QStringLiteral("rlang.asc"))) {
            loadPackedLanguage();
        }
    }
    return openPackedContainer(base);
}

bool ProjectSession::openSingleFile() {
    beginPackage();
    const QString ztvx = state_.projectPath;
    const QString folder = winpath::directory(ztvx);
    if (!openPlaybackDirectory(ztvx, folder)) {
        return endPackageOpening();
    }
    package_.setTarget(ownedPlaybackHost_);
    package_.openArchive(toHost(ztvx));
    if (package_.findByName(QStringLiteral("rlang.asc"))) {
        loadPackedLanguage();
    }
    const QString name = winpath::fileName(ztvx);
    return openPackedContainer(name.left(std::max<qsizetype>(0, name.size() - 5)));
}

bool ProjectSession::openInPlace(const QString& windowsPath) {
    state_.projectPath = windowsPath;
    state_.ZTVXExt = true;
    if (!openSingleFile()) {
        return false;
    }
    state_.ProjetStretch = state_.ProjetCache = false;
    geometry_.fullScreen = geometry_.masked = false;
    state_.CouleurCache = Qt::black;
    return true;
}

void ProjectSession::beginPackage() {
    state_.packedProject = true;
    removeExtractedFiles();
    package_.reset();
    state_.mediaByPage = state_.mediaInPackage = state_.perPageArchives = false;
    startPage_ = 1;
}

bool ProjectSession::endPackageOpening() {
    state_.projectPath.clear();
    removeOwnedPlaybackDirectory();
    removeExtractedFiles();
    return false;
}

void ProjectSession::loadPackedLanguage() {
    if (const auto path = package_.bringTo(QStringLiteral("rlang.asc"))) {
        language_.load(*path);
    }
}

// The container (found by the package's own name, or else as the first ".ztv"), then its
// settings, keyword table and pages. False: the player ends.
bool ProjectSession::openPackedContainer(const QString& baseName) {
    QString container = (baseName + QStringLiteral(".ztv")).toLower();
    if (!package_.findByName(container)) {
        container = package_.findByExtension(QStringLiteral(".ztv"));
        if (container == PackageReader::kNotFound) {
            return endPackageOpening();
        }
    }
    container = entryExtractionName(container);
    if (!package_.bringTo(QStringLiteral("pages.tae"))) {
        return endPackageOpening();
    }
    state_.projectPath = container;
    const QString settingsName = (withoutExtension(container) + QStringLiteral(".ini")).toLower();
    if (!package_.findByName(settingsName)) {
        // The first page load reports the missing page file and ends the player.
        state_.projectPath.clear();
        return true;
    }
    const auto settingsPath = package_.bringTo(settingsName);
    ProjectSettings settings;
    if (settingsPath) {
        settings.load(*settingsPath);
    }
    if (!applySettings(settings, true)) {
        return endPackageOpening();
    }
    applyPackingSettings(settings);
    setTitle(container);
    const QString keywords = (withoutExtension(container) + QStringLiteral(".pmg")).toLower();
    if (package_.findByName(keywords) && package_.bringTo(QStringLiteral("MOTS.PMG"))) {
        state_.CheminMotCle = playbackDirectory() + QStringLiteral("\\Mots.pmg");
    }
    if (!splitPagesTae()) {
        tell(message(lang::ContainerSplitFailed));
    }
    return true;
}

void ProjectSession::applyPackingSettings(const ProjectSettings& settings) {
    if (settings.line(ProjectSettings::MediaPackedByPage).isEmpty()) {
        return;
    }
    state_.mediaByPage = settings.isMediaPackedByPage();
    if (state_.mediaByPage) {
        state_.mediaDataFolder = state_.Chemin;
        state_.mediaInPackage =
            settings.line(ProjectSettings::SoundsVideosPacked) != QStringLiteral("0");
    }
    state_.perPageArchives = settings.areMediaCabinets();
}

// The page's media data file in a package: extracted before, or now from the page's own
// archive or from the package. Empty when there is none.
QString ProjectSession::packedMediaDataFile(int page) {
    const QString name = QString::number(page) + QStringLiteral(".cds");
    const QString extracted = QDir(ownedPlaybackHost_).filePath(name);
    if (QFileInfo(extracted).isFile()) {
        return extracted;
    }
    if (state_.perPageArchives) {
        package_.leaveArchiveMode();
        const QString archive = withoutExtension(state_.projectPath) + u'-' +
                                QString::number(page) + QStringLiteral(".cab");
        const auto archivePath =
            package_.findByName(archive) ? package_.bringTo(archive) : std::nullopt;
        if (!archivePath) {
            tell(kCabNotFound);
            return {};
        }
        package_.openArchive(*archivePath);
        package_.extractWholeArchive();
        if (!package_.findByName(name)) {
            tell(kCdsNotFound);
            return {};
        }
        return package_.bringTo(name).value_or(QString());
    }
    return package_.findByName(name) ? package_.bringTo(name).value_or(QString()) : QString();
}

QString ProjectSession::extractOnDemand(const QString& storedPath) {
    const QString name = winpath::fileName(storedPath);
    const QString extracted = QDir(ownedPlaybackHost_).filePath(name);
    if (!state_.packedProject || ownedPlaybackHost_.isEmpty() || QFileInfo(extracted).isFile()) {
        return extracted;
    }
    if (package_.findByName(name)) {
        if (const auto path = package_.bringTo(name)) {
            return *path;
        }
    }
    return {};
}

}  // namespace ztv
