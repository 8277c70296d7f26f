// Finding and opening the project: the editor's working copy (preview and external host), or
// a saved project copied into a playback directory of this run's own.
#include "common/Container.h"
#include "common/LangLines.h"
#include "common/PlaybackDirectory.h"
#include "common/platform/AppPaths.h"
#include "common/platform/FileIo.h"
#include "common/platform/WinPath.h"
#include "player/ZTVImage.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ztv {
namespace {

const QString kProjectFilter = QStringLiteral("Zentrovale ZTV (*.ZTV *.ZTVX *.ztv *.ztvx)");

// "demo.ztv" without its last four characters.
QString withoutLastFour(const QString& path) {
    return path.left(std::max<qsizetype>(0, path.size() - 4));
}

QColor fromColourValue(std::uint32_t value) {
    return QColor(int(value & 0xff), int((value >> 8) & 0xff), int((value >> 16) & 0xff));
}

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
    return applySettings(settings, false);
}

bool TZTVImage::applySettings(const ProjectSettings& settings, bool readFirstPage) {
    if (!settings.isCurrentVersion()) {
        tell(ProjectSettings::oldVersionMessage());
        projectPath.clear();
        return false;
    }
    geometry_ = DisplayGeometry::from(settings, screenWidth);
    projectWidth = geometry_.projectWidth;
    projectHeight = geometry_.projectHeight;
    if (readFirstPage) {
        Page = settings.firstPage();
    }
    transparentProject = settings.isTransparent();
    ProjetStretch = geometry_.fullScreen;
    ProjetCache = geometry_.masked;
    CouleurCache = ProjetCache ? fromColourValue(settings.maskColour()) : QColor(Qt::black);
    return true;
}

void TZTVImage::OuvrirProjet() {
    Page = 1;
    const QString given = commandLineProjectPath(env_.arguments);
    projectPath = given.isEmpty() ? findProjectBesidePlayer()
                                  : env_.drives.outsideToWindows(QDir::cleanPath(given));
    if (projectPath.isEmpty()) {
        if (!given.isEmpty()) {
            tell(Showmess(lang::FilePrefix) + u' ' + given + u' ' + Showmess(lang::NotFoundSuffix));
        }
        return;
    }
    if (winpath::extension(projectPath).toUpper() == QStringLiteral(".ZTVX")) {
        tell(Showmess(lang::PackedProjectUnsupported));
        projectPath.clear();
        return;
    }
    const QString settingsPath = withoutLastFour(projectPath) + QStringLiteral(".INI");
    if (!existsWin(settingsPath)) {
        tell(Showmess(lang::FilePrefix) + u' ' + settingsPath + u' ' +
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
    if (!openPlaybackDirectory()) {
        projectPath.clear();
        return;
    }
    language_.load(toHost(Chemin + QStringLiteral("\\rlang.asc")));
    copyContainerAndSplit();
    copyKeywordTable();
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

bool TZTVImage::openPlaybackDirectory() {
    // A player installed in a folder it cannot write to plays from the temp folder, as from a CD.
    const bool inTemp = env_.drives.type(winpath::driveLetter(projectPath)) == DriveType::Cd ||
                        !QFileInfo(playerFolderHost_).isWritable();
    const QString rootHost = inTemp ? AppPaths::tempZtvDir() : playerFolderHost_;
    const auto name = claimPlaybackDirectory(rootHost);
    if (!name) {
        tell(Showmess(lang::NoPlaybackDirectory) + u' ' + env_.drives.toWindows(rootHost));
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
        Chemin = playerFolder_.toLower();
    }
    return true;
}

// A missing, empty or foreign container is reported; playback goes on and the first page
// load reports the missing page file.
void TZTVImage::copyContainerAndSplit() {
    const QString containerHost = toHost(projectPath);
    const QString pagesTae = QDir(ownedPlaybackHost_).filePath(QStringLiteral("pages.tae"));
    const QFileInfo container(containerHost);
    bool ok = false;
    if (!container.isFile()) {
        tell(projectPath + u' ' + Showmess(lang::NotFoundSuffix));
    } else if (container.size() == 0) {
        tell(Showmess(lang::ContainerEmpty));
    } else if (copyFileAtomically(containerHost, pagesTae)) {
        QFile::setPermissions(pagesTae, QFile::permissions(pagesTae) | QFile::WriteOwner);
        const SplitResult split = splitContainer(pagesTae, ownedPlaybackHost_, false);
        ok = split.ok && !split.pages.isEmpty();
    }
    if (!ok) {
        tell(Showmess(lang::ContainerSplitFailed));
    }
}

void TZTVImage::copyKeywordTable() {
    const QString keywords = withoutLastFour(projectPath) + QStringLiteral(".PMG");
    if (existsWin(keywords) &&
        copyFileAtomically(toHost(keywords),
                           QDir(ownedPlaybackHost_).filePath(QStringLiteral("MOTS.PMG")))) {
        CheminMotCle = playbackDirectory() + QStringLiteral("\\Mots.pmg");
    }
}

}  // namespace ztv
