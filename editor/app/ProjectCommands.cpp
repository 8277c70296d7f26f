#include "editor/app/ProjectCommands.h"

#include "common/formats/LangLines.h"
#include "common/formats/ProjectFileCheck.h"
#include "common/formats/ProjectSettings.h"
#include "editor/app/EditorStartup.h"
#include "editor/app/MainWindow.h"
#include "editor/app/RecentProjects.h"
#include "editor/dialogs/KeywordListDialog.h"
#include "editor/dialogs/ProjectParametersDialog.h"
#include "editor/dialogs/ToolSettingsDialog.h"
#include "editor/document/PageBook.h"
#include "editor/document/StoredPath.h"
#include "editor/document/WorkingCopy.h"
#include "editor/document/WorkingCopyOwner.h"
#include "editor/widgets/BusyCursor.h"

#include <QComboBox>
#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace ztv::editor {

namespace {

constexpr int kNoPageToSave = 9;

}  // namespace

QString projectFilter() {
    return QStringLiteral(" (*.PZV *.pzv)");
}

ProjectCommands::ProjectCommands(MainWindow& window) : window_(window), state_(window.state()) {}

void ProjectCommands::bind() {
    window_.setCommandHandler(Command::OpenProject, [this] { openCommand(); });
    window_.setCommandHandler(Command::NewProject, [this] { newProject(); });
    window_.setCommandHandler(Command::Save, [this] { saveCommand(); });
    window_.setCommandHandler(Command::SaveAs, [this] { saveAsCommand(); });
    for (int i = 0; i < 5; ++i) {
        window_.setCommandHandler(recentProjectCommand(i), [this, i] { openRecent(i); });
    }
    window_.setCommandHandler(Command::ProjectParameters, [this] { parametersCommand(); });
    window_.setCommandHandler(Command::Keywords, [this] { keywordsCommand(); });
    window_.setCommandHandler(Command::ToolSettings, [this] {
        toolSettingsCommand();
        window_.grid().setFocus();
    });
    window_.setCloseSaver([this] { return saveNamedOrChoose(); });
}

bool ProjectCommands::onCdDrive(const QString& host) const {
    const QString windows = state_.drives.toWindows(host);
    return !windows.isEmpty() && state_.drives.type(windows.at(0)) == DriveType::Cd;
}

void ProjectCommands::setProjectPath(const QString& projectHost) {
    const QFileInfo info(canonicalProjectPath(projectHost));
    state_.projectName = info.filePath();
    state_.projectDir = info.absolutePath();
    state_.projectBase = info.absolutePath() + QLatin1Char('/') + info.completeBaseName();
    window_.updateCaption();
}

bool ProjectCommands::takeOverWorkingCopy() {
    const QString dir = state_.paths.workingDir();
    const auto owner = WorkingCopyOwner::read(state_.paths.workingCopyOwner());
    const bool unsaved = workingcopy::holdsWork(dir) && (!owner || owner->modified);
    const bool named = owner && !owner->project.isEmpty();
    const QString question =
        named ? state_.text(lang::RecoverProject) + QStringLiteral("\n") + owner->project
              : state_.text(lang::RecoverWorkingCopy);
    if (unsaved &&
        window_.prompter().ask(question, {}, Prompter::Buttons::YesNo) == Prompter::Yes) {
        if (named) {
            setProjectPath(owner->project);
        }
        ProjectSettings settings;
        settings.load(workingcopy::settingsPath(dir));
        state_.projectWidth = settings.width();
        state_.projectHeight = settings.height();
        window_.setModified(true);
        return true;
    }
    workingcopy::empty(dir);
    QString error;
    if (!workingcopy::createProject(dir, state_.paths.projectTemplate(), state_.projectName,
                                    &error)) {
        qWarning("working copy: %s", qPrintable(error));
    }
    window_.setModified(false);
    return false;
}

bool ProjectCommands::refusesPath(const QString& projectHost) {
    const QString refusal = unstorableCharacterMessage(state_, projectHost);
    if (!refusal.isEmpty()) {
        window_.prompter().message(refusal);
    }
    return !refusal.isEmpty();
}

bool ProjectCommands::openProject(const QString& projectHost) {
    if (refusesPath(projectHost)) {
        return false;
    }
    // A damaged file is refused before the working copy is touched, and never written.
    if (const ProjectFileCheck check = checkSavedProject(projectHost); !check.ok()) {
        window_.prompter().message(
            faultMessage(check, [this](int line) { return state_.text(line); }));
        return false;
    }
    BusyCursor busy;
    // The project is unpacked beside the working directory first: one that cannot be read
    // leaves the open project untouched.
    QTemporaryDir staging(state_.paths.data(QStringLiteral(".open-XXXXXX")));
    const auto loaded = workingcopy::loadProject(projectHost, staging.path(), state_.drives);
    switch (loaded.status) {
        case workingcopy::LoadResult::OldFormat:
            window_.prompter().ask(state_.text(lang::OldProjectFormat), applicationTitle(),
                                   Prompter::Buttons::Ok);
            return false;
        case workingcopy::LoadResult::ProjectUnreadable:
            window_.prompter().message(projectHost + QLatin1Char(' ') +
                                       state_.text(lang::NotFoundSuffix));
            return false;
        case workingcopy::LoadResult::ContainerUnreadable:
            window_.message(lang::ContainerSplitFailed);
            return false;
        case workingcopy::LoadResult::Loaded:
            break;
    }
    window_.storyboard().closePage();
    if (!workingcopy::moveInto(staging.path(), state_.paths.workingDir())) {
        window_.message(lang::PageFilesNotWritten);
    }
    setProjectPath(projectHost);
    state_.projectWidth = loaded.width;
    state_.projectHeight = loaded.height;
    state_.settingsFlag = loaded.settingsFlag;
    if (loaded.containerMissing) {
        window_.prompter().message(loaded.containerHost + QLatin1Char(' ') +
                                   state_.text(lang::NotFoundSuffix));
        window_.message(lang::ContainerSplitFailed);
    }
    state_.projectOpen = false;
    window_.openPageTable();
    window_.showPage(0);
    window_.setModified(false);
    updateRecentList(state_.settings, state_.projectName);
    window_.updateRecentItems();
    window_.setCommandEnabled(Command::Undo, false);
    if (!state_.gridMode) {
        window_.showGridView();
    }
    window_.saveEditorSettings();
    window_.updateStatus();
    return true;
}

void ProjectCommands::newProject(bool askToSave) {
    if (askToSave && !saveChangesPrompt()) {
        return;
    }
    {
        BusyCursor busy;
        window_.storyboard().closePage();
        const QString dir = state_.paths.workingDir();
        workingcopy::empty(dir);
        state_.projectName = state_.text(lang::UntitledProject);
        state_.projectBase = dir;
        state_.projectDir = state_.paths.dataDir();
        window_.updateCaption();
        state_.projectOpen = true;
        QString error;
        if (!workingcopy::createProject(dir, state_.paths.projectTemplate(), state_.projectName,
                                        &error)) {
            qWarning("new project: %s", qPrintable(error));
            window_.message(lang::PageFilesNotWritten);
        }
        state_.projectWidth = ProjectSettings::kDefaultWidth;
        state_.projectHeight = ProjectSettings::kDefaultHeight;
        state_.settingsFlag = false;
        window_.showPage(0);
        window_.setModified(false);
        window_.setCommandEnabled(Command::Undo, false);
        if (!state_.gridMode) {
            window_.showGridView();
        }
    }
    window_.runCommand(Command::ProjectParameters);
    window_.runCommand(Command::NewPage);
}

void ProjectCommands::openCommand(bool askToSave) {
    if (askToSave && !saveChangesPrompt()) {
        return;
    }
    const QString path = window_.prompter().openFileName(state_.text(lang::OpenProjectCaption),
                                                         dialogFolder(), projectFilter());
    if (!path.isEmpty()) {
        openChosenProject(path);
    } else if (window_.windowTitle() == state_.text(lang::MainWindowCaption)) {
        newProject(false);
    }
    window_.focusVisibleView();
}

bool ProjectCommands::openChosenProject(const QString& projectHost) {
    if (onCdDrive(projectHost)) {
        window_.message(lang::ProjectOnCdDrive);
        return false;
    }
    return openProject(projectHost);
}

void ProjectCommands::openHandedOver(const QString& projectHost) {
    window_.showNormal();
    window_.raise();
    window_.activateWindow();
    if (!saveChangesPrompt(nullptr, true, Prompter::Buttons::YesNoCancelUnasked)) {
        return;
    }
    openChosenProject(projectHost);
    window_.focusVisibleView();
}

void ProjectCommands::saveCommand() {
    if (window_.storyboard().page() == 0) {
        window_.message(lang::NoCurrentPage);
        return;
    }
    saveNamedOrChoose();
    window_.focusVisibleView();
}

void ProjectCommands::saveAsCommand() {
    if (window_.storyboard().page() == 0) {
        window_.message(lang::NoCurrentPage);
        return;
    }
    if (const QString path = chooseSavePath(); !path.isEmpty()) {
        saveAs(path);
    }
}

void ProjectCommands::openRecent(int index) {
    QString savedAs;
    if (!saveChangesPrompt(&savedAs, false)) {
        return;
    }
    // A path saved to during the prompt joins the list only now, so that the item still names
    // the project it showed.
    const int line = FirstRecentLine + index;
    const QString path = state_.settings.line(line);
    if (!savedAs.isEmpty()) {
        updateRecentList(state_.settings, savedAs);
    }
    if (path != QStringLiteral("$")) {
        const QString host = state_.drives.outsideToHost(path);
        if (!host.isEmpty() && QFileInfo(host).isFile()) {
            openProject(host);
        } else {
            state_.settings.setLine(state_.settings.lines().indexOf(path), QStringLiteral("$"));
            window_.updateRecentItems();
            window_.message(lang::RecentProjectMissing);
            openCommand(false);
        }
    }
    window_.updateRecentItems();
    window_.saveEditorSettings();
    window_.focusVisibleView();
}

void ProjectCommands::parametersCommand() {
    if (!state_.projectOpen) {
        window_.message(lang::NoCurrentPage);
        return;
    }
    ProjectSettings settings;
    settings.load(workingcopy::settingsPath(state_.paths.workingDir()));
    ProjectParametersDialog dialog(
        state_, window_.prompter(), ProjectParameters::read(settings),
        [this](const ProjectParameters& values) { return applyParameters(values); }, &window_);
    runModal(state_, dialog);
}

int ProjectCommands::applyParameters(const ProjectParameters& values) {
    if (const int refusal = values.check()) {
        return refusal;
    }
    // Before the first page exists (a new project) any first page is accepted.
    const auto live = PageBook(state_.paths.workingDir()).livePages();
    if (!live.isEmpty() && std::none_of(live.begin(), live.end(), [&](const PageEntry& page) {
            return page.number == values.firstPage.trimmed().toInt();
        })) {
        return lang::FirstPageMissing;
    }
    const QString settingsHost = workingcopy::settingsPath(state_.paths.workingDir());
    ProjectSettings settings;
    settings.load(settingsHost);
    values.writeTo(settings);
    if (!settings.save(settingsHost)) {
        return lang::PageFilesNotWritten;
    }
    window_.setModified(true);
    state_.settingsFlag = values.transparent;
    const int width = settings.width();
    const int height = settings.height();
    const bool resized = width != state_.projectWidth || height != state_.projectHeight;
    state_.projectWidth = width;
    state_.projectHeight = height;
    Storyboard& storyboard = window_.storyboard();
    const int page = storyboard.page();
    if (resized && page != 0) {
        BusyCursor busy;
        storyboard.closePage();
        const int changed =
            resizeBackgrounds(state_.paths.workingDir(),
                              PageBook(state_.paths.workingDir()).livePages(), width, height);
        storyboard.openPage(page);
        window_.repaintGrid();
        if (changed < 0) {
            window_.message(lang::PageFilesNotWritten);
        } else {
            window_.prompter().inform(window_.state().text(lang::BackgroundsResized));
        }
    }
    return 0;
}

void ProjectCommands::keywordsCommand() {
    if (window_.storyboard().page() == 0) {
        window_.message(lang::NoCurrentPage);
        return;
    }
    KeywordListDialog dialog(state_, window_.prompter(), &window_);
    runModal(state_, dialog);
    window_.setModified(state_.modified || dialog.changed());
    window_.focusVisibleView();
}

void ProjectCommands::toolSettingsCommand() {
    ToolSettingsDialog dialog(state_, window_.prompter(), &window_);
    runModal(state_, dialog);
}

bool ProjectCommands::save() {
    BusyCursor busy;
    const int page = window_.storyboard().page();
    window_.storyboard().closePage();
    const auto result = workingcopy::saveProject(state_.paths.workingDir(), state_.projectName,
                                                 state_.paths.projectTemplate(), state_.drives);
    window_.showPage(page);
    if (result.status == workingcopy::SaveResult::NoPages) {
        window_.message(kNoPageToSave);
    }
    if (result.status != workingcopy::SaveResult::Saved) {
        qWarning("save: %s", qPrintable(result.error));
        window_.message(lang::SaveFailed);
        return false;
    }
    ProjectSettings settings;
    settings.load(workingcopy::settingsPath(state_.paths.workingDir()));
    state_.projectWidth = settings.width();
    state_.projectHeight = settings.height();
    state_.settingsFlag = settings.line(ProjectSettings::Transparent) != QStringLiteral("$");
    window_.setModified(false);
    window_.setCommandEnabled(Command::Undo, false);
    state_.settings.setLine(LastProjectLine, state_.projectName);
    window_.saveEditorSettings();
    window_.updateStatus();
    return true;
}

bool ProjectCommands::saveAs(QString projectHost, bool updateRecent) {
    if (onCdDrive(projectHost)) {
        window_.message(lang::ProjectOnCdDrive);
        return false;
    }
    if (QFileInfo(projectHost).suffix().isEmpty()) {
        projectHost += QStringLiteral(".PZV");
    }
    if (refusesPath(projectHost)) {
        return false;
    }
    if (QFileInfo::exists(projectHost) &&
        window_.prompter().ask(state_.text(lang::ProjectExistsReplace), {},
                               Prompter::Buttons::YesNoCancel) != Prompter::Yes) {
        return false;
    }
    const QString name = state_.projectName;
    const QString dir = state_.projectDir;
    const QString base = state_.projectBase;
    setProjectPath(projectHost);
    if (!save()) {
        state_.projectName = name;
        state_.projectDir = dir;
        state_.projectBase = base;
        window_.updateCaption();
        window_.updateStatus();
        return false;
    }
    if (updateRecent) {
        updateRecentList(state_.settings, state_.projectName);
        window_.updateRecentItems();
        window_.saveEditorSettings();
    }
    return true;
}

QString ProjectCommands::dialogFolder() const {
    const QFileInfo project(state_.projectName);
    if (project.isAbsolute() && project.isFile()) {
        return project.absolutePath();
    }
    const QString documents = QStandardPaths::writableLocation(QStandardPaths::DocumentsLocation);
    return QFileInfo(documents).isDir() ? documents : QDir::homePath();
}

QString ProjectCommands::chooseSavePath() {
    const QString working = QDir(state_.paths.workingDir()).canonicalPath().toUpper();
    for (int attempt = 0; attempt < 2; ++attempt) {
        const QString path = window_.prompter().saveFileName(state_.text(lang::SaveAsCaption),
                                                             dialogFolder(), projectFilter());
        if (path.isEmpty()) {
            return {};
        }
        const QString dir = QFileInfo(path).absoluteDir().canonicalPath().toUpper();
        if (dir != working) {
            return path;
        }
        window_.message(lang::WorkingFolderRefused);
    }
    return {};
}

bool ProjectCommands::saveNamedOrChoose(QString* savedAs, bool updateRecent) {
    if (!state_.isUntitled()) {
        return save();
    }
    const QString path = chooseSavePath();
    if (path.isEmpty() || !saveAs(path, updateRecent)) {
        return false;
    }
    if (savedAs) {
        *savedAs = state_.projectName;
    }
    return true;
}

bool ProjectCommands::saveChangesPrompt(QString* savedAs, bool updateRecent,
                                        Prompter::Buttons buttons) {
    if (!state_.modified) {
        return true;
    }
    switch (window_.prompter().ask(state_.text(lang::SaveChangesQuestion), {}, buttons)) {
        case Prompter::Yes:
            return saveNamedOrChoose(savedAs, updateRecent);
        case Prompter::No:
            return true;
        default:
            return false;
    }
}

}  // namespace ztv::editor
