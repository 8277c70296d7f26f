#include "common/builder/ApplicationBuild.h"

#include "common/archives/CabinetFile.h"
#include "common/builder/Autorun.h"
#include "common/builder/BuildJob.h"
#include "common/builder/FinalAssembly.h"
#include "common/builder/MediaGathering.h"
#include "common/builder/OutputFolder.h"
#include "common/formats/Container.h"
#include "common/formats/LangLines.h"
#include "common/formats/MovedMedia.h"
#include "common/formats/ProjectFileCheck.h"
#include "common/formats/ProjectSettings.h"
#include "common/platform/FileIo.h"
#include "common/platform/WinPath.h"

#include <QFile>
#include <QFileInfo>

namespace ztv::builder {
namespace {

// Copies a file of the project into the output folder, writable there whatever it was.
bool copyWritable(BuildJob& job, const QString& fromHost, const QString& name) {
    const QString to = job.out(name);
    if (!copyDerivedFile(fromHost, to, &job.error)) {
        return false;
    }
    return QFile::setPermissions(to, QFile::permissions(to) | QFile::WriteOwner);
}

QString playerProgramName(const BuildOptions& options) {
    return options.compressedPlayer ? QStringLiteral("ztvplay2") : QStringLiteral("ztvplay");
}

}  // namespace

QSet<QString> BuildJob::reservedNames() const {
    QSet<QString> names{container(),
                        settings(),
                        keywords(),
                        projectArchive(),
                        name,
                        name + QStringLiteral(".exe"),
                        playerCopy(),
                        playerLanguage(),
                        QStringLiteral("autorun"),
                        QStringLiteral("autorun.inf"),
                        QStringLiteral("base"),
                        QStringLiteral("videos"),
                        QStringLiteral("sounds"),
                        QStringLiteral("xpl.jpg")};
    QSet<QString> lower;
    for (const QString& n : names) {
        lower.insert(n.toLower());
    }
    return lower;
}

QStringList BuildJob::outputFiles() const {
    return QDir(request.outputHost)
        .entryList(QDir::Files | QDir::Hidden | QDir::System, QDir::Name);
}

QString BuildJob::storedPath(const QString& host) const {
    const QString windows = drives.toWindows(QFileInfo(host).absoluteFilePath());
    return windows.isEmpty() ? QString() : winpath::withoutDrive(windows);
}

bool writeArchive(BuildJob& job, const QString& archiveHost, const QStringList& filesHost) {
    CabinetFile cab;
    cab.CABFile = archiveHost;
    for (const QString& file : filesHost) {
        cab.CABFileContents.append(CabinetEntry(file));
    }
    try {
        if (cab.write()) {
            return true;
        }
        job.error = QStringLiteral("%1: not written").arg(archiveHost);
    } catch (const CabinetError& e) {
        job.error = QStringLiteral("%1: %2").arg(archiveHost, QString::fromStdString(e.what()));
    }
    return false;
}

std::function<QString(const QString&)> driveTableMediaFinder(const DriveTable& drives,
                                                             const QString& projectFolderHost) {
    return [drives, projectFolderHost](const QString& stored) {
        const QString onC = drives.toHost(QStringLiteral("C:") + stored);
        if (!onC.isEmpty() && QFileInfo::exists(onC)) {
            return onC;
        }
        const QString holder = drives.firstDriveHolding(stored);
        return holder.isEmpty() ? findBesideProject(stored, projectFolderHost)
                                : drives.toHost(holder + stored);
    };
}

ApplicationBuild::ApplicationBuild(BuildRequest request, const LanguageFile& language,
                                   const DriveTable& drives, Prompter& prompter, BuildHooks hooks,
                                   const LanguageFile* messages)
    : job_(std::make_unique<BuildJob>(BuildJob{std::move(request),
                                               language,
                                               messages ? *messages : language,
                                               drives,
                                               prompter,
                                               std::move(hooks),
                                               {},
                                               {},
                                               {},
                                               {}})) {
    job_->request.options = job_->request.options.normalised();
    job_->name = QFileInfo(job_->request.projectHost).completeBaseName();
}

ApplicationBuild::~ApplicationBuild() = default;

QString ApplicationBuild::projectName() const {
    return job_->name;
}

QString ApplicationBuild::applicationHost() const {
    return job_->out(job_->request.options.isZtvx() ? job_->name + QStringLiteral(".ztvx")
                                                    : job_->name);
}

QString ApplicationBuild::closingMessage() const {
    const BuildJob& j = *job_;
    const QString start = j.text(lang::BuiltApplication) + u' ' + j.name;
    const QString folder = QDir::toNativeSeparators(j.request.outputHost);
    switch (j.request.options.distribution) {
        case Distribution::Ztvx:
            return start + j.text(lang::BuiltAsZtvx) + u' ' + folder + u'.';
        case Distribution::Web:
            return start + j.text(lang::BuiltInFolder) + u' ' + folder + u'.';
        case Distribution::CdRom:
            return start + j.text(lang::BuiltInFolder) + u' ' + folder + QStringLiteral(". ") +
                   j.text(lang::VideosInFolder) + QStringLiteral(" videos ") +
                   j.text(lang::SoundsInFolder) + QStringLiteral(" sounds.");
    }
    return start;
}

void ApplicationBuild::message(int line) {
    job_->say(job_->text(line));
}

bool ApplicationBuild::cancelled() {
    return job_->hooks.cancelRequested && job_->hooks.cancelRequested();
}

bool ApplicationBuild::checkInputs() {
    const BuildRequest& r = job_->request;
    const QFileInfo project(r.projectHost);
    const QString dir = project.absolutePath();
    const QDir app(r.appDirHost);
    const std::pair<bool, int> checks[] = {
        {project.isFile(), lang::ProjectFileMissing},
        {!findEntryNoCase(dir, job_->settings()).isEmpty(), lang::ProjectSettingsMissing},
        {QFileInfo(app.filePath(playerProgramName(r.options))).isFile(), lang::PlayerMissing},
        {QFileInfo(app.filePath(BuildJob::playerLanguage())).isFile(), lang::PlayerLanguageMissing},
    };
    for (const auto& [ok, line] : checks) {
        if (!ok) {
            message(line);
            return false;
        }
    }
    // A damaged project would be packed into the application as it is, without a word.
    if (const ProjectFileCheck check = checkSavedProject(r.projectHost); !check.ok()) {
        job_->say(faultMessage(check, [this](int line) { return job_->text(line); }));
        return false;
    }
    return true;
}

bool ApplicationBuild::copyProjectFiles() {
    BuildJob& j = *job_;
    const QString dir = QFileInfo(j.request.projectHost).absolutePath();
    const QString container = findEntryNoCase(dir, j.container());
    const QString settings = findEntryNoCase(dir, j.settings());
    const QString keywords = findEntryNoCase(dir, j.keywords());
    if (container.isEmpty()) {
        j.error = QStringLiteral("%1: no container").arg(j.container());
        return false;
    }
    QStringList projectFiles{j.container(), j.settings()};
    bool ok = copyWritable(j, QDir(dir).filePath(container), j.container()) &&
              copyWritable(j, QDir(dir).filePath(settings), j.settings()) && writeBuildSettings();
    if (ok && !keywords.isEmpty()) {
        ok = copyWritable(j, QDir(dir).filePath(keywords), j.keywords());
        projectFiles.append(j.keywords());
    }
    const QDir app(j.request.appDirHost);
    if (ok && !j.request.options.isZtvx()) {
        ok = copyWritable(j, app.filePath(playerProgramName(j.request.options)),
                          BuildJob::playerCopy());
    }
    ok =
        ok && copyWritable(j, app.filePath(BuildJob::playerLanguage()), BuildJob::playerLanguage());
    projectFiles.append(BuildJob::playerLanguage());
    if (ok && j.request.options.compression == Compression::PerPage) {
        QStringList files;
        for (const QString& name : projectFiles) {
            files.append(j.out(name));
        }
        ok = writeArchive(j, j.out(j.projectArchive()), files);
        j.archivesWritten.append(j.projectArchive());
    }
    return ok;
}

// Settings lines the player reads a packed project by: media packed page by page, sounds and
// videos inside the package (not for a CD-ROM), and per-page archives.
bool ApplicationBuild::writeBuildSettings() {
    const BuildJob& j = *job_;
    ProjectSettings settings;
    if (!settings.load(j.out(j.settings()))) {
        return false;
    }
    const BuildOptions& o = j.request.options;
    settings.lines().setLine(ProjectSettings::MediaPackedByPage, QStringLiteral("1"));
    settings.lines().setLine(ProjectSettings::SoundsVideosPacked,
                             o.isCdRom() ? QStringLiteral("0") : QStringLiteral("1"));
    settings.lines().setLine(ProjectSettings::MediaAsCabinets, o.compression == Compression::PerPage
                                                                   ? QStringLiteral("1")
                                                                   : QStringLiteral("0"));
    return writeDerivedLines(j.out(j.settings()), settings.lines().lines(), &job_->error);
}

// The saved project's page table and page files, in the build's own working folder.
bool ApplicationBuild::unpackProject() {
    BuildJob& j = *job_;
    if (!QDir().mkpath(j.workDir()) ||
        !copyDerivedFile(j.request.projectHost,
                         QDir(j.workDir()).filePath(QStringLiteral("PAGES.TAE")), &j.error)) {
        return false;
    }
    const SplitResult split = splitContainer(j.out(j.container()), j.workDir(), false);
    j.error = split.error;
    return split.ok;
}

bool ApplicationBuild::packProject() {
    BuildJob& j = *job_;
    const auto table = pagetable::readAll(QDir(j.workDir()).filePath(QStringLiteral("PAGES.TAE")));
    const auto data = table ? packContainerData(j.workDir(), *table, &j.error) : std::nullopt;
    return data && writeDerivedFile(j.out(j.container()), *data, &j.error);
}

BuildOutcome ApplicationBuild::run() {
    BuildJob& j = *job_;
    j.status(lang::BuildChecking);
    if (!checkInputs()) {
        return BuildOutcome::Failed;
    }
    const bool hasKeywords =
        !findEntryNoCase(QFileInfo(j.request.projectHost).absolutePath(), j.keywords()).isEmpty();
    j.progress(0, hasKeywords ? 5 : 4);
    if (!copyProjectFiles()) {
        message(lang::UnpackFailed);
        return BuildOutcome::Failed;
    }
    j.status(lang::BuildUnpacking);
    if (!unpackProject()) {
        message(lang::UnpackFailed);
        return BuildOutcome::Failed;
    }
    const QString table = QDir(j.workDir()).filePath(QStringLiteral("PAGES.TAE"));
    const QList<PageEntry> pages = pagetable::readLive(table);
    BuildOutcome outcome = cancelled() ? BuildOutcome::Cancelled : BuildOutcome::Built;
    if (outcome == BuildOutcome::Built) {
        j.status(lang::BuildGathering);
        outcome = gatherMedia(j, pages);
    }
    if (outcome == BuildOutcome::Cancelled) {
        message(lang::BuildCancelled);
    }
    if (outcome != BuildOutcome::Built) {
        return outcome;
    }
    j.status(lang::BuildPacking);
    j.progress(0, 3);
    if (!packProject()) {
        message(lang::PackFailed);
        return BuildOutcome::Failed;
    }
    j.status(lang::BuildSettings);
    j.progress(1, 3);
    if (!writeBuildSettings()) {
        message(lang::PackFailed);
        return BuildOutcome::Failed;
    }
    j.status(lang::BuildAssembling);
    j.progress(2, 3);
    if (pages.isEmpty()) {
        message(lang::BuildNoPages);
        return BuildOutcome::Failed;
    }
    QDir(j.workDir()).removeRecursively();
    j.progress(3, 3);
    if (cancelled()) {
        message(lang::BuildCancelled);
        return BuildOutcome::Cancelled;
    }
    if (!assembleApplication(j) ||
        (j.request.options.autorun &&
         !writeAutorunFiles(j.request.outputHost, QFileInfo(applicationHost()).fileName(),
                            j.request.options.isZtvx(), &j.error))) {
        j.say(j.text(lang::AssemblyFailed) + u' ' + QDir::toNativeSeparators(j.request.outputHost));
        return BuildOutcome::Failed;
    }
    return BuildOutcome::Built;
}

}  // namespace ztv::builder
