#include "editor/app/ProjectCommands.h"

#include "common/formats/LangLines.h"
#include "common/formats/ProjectFileCheck.h"
#include "common/formats/ProjectSettings.h"
#include "editor/app/ApplicationTitle.h"
#include "editor/app/EditorView.h"
#include "editor/app/LineMessage.h"
#include "editor/dialogs/KeywordListDialog.h"
#include "editor/dialogs/ProjectParametersDialog.h"
#include "editor/dialogs/ToolSettingsDialog.h"
#include "editor/document/PageBook.h"
#include "editor/document/ProjectDocument.h"
#include "editor/document/RecentProjects.h"
#include "editor/document/StoredPath.h"
#include "editor/document/WorkingCopy.h"
#include "editor/document/WorkingCopyOwner.h"
#include "editor/widgets/BusyCursor.h"

#include <QDir>
#include <QFileInfo>
#include <QStandardPaths>
#include <QTemporaryDir>

namespace ztv::editor {

QString projectFilter() {
    return QStringLiteral(" (*.PZV *.pzv)");
}

ProjectCommands::ProjectCommands(ProjectDocument& document, Prompter& prompter, EditorView& view,
                                 CommandRunner run)
    : document_(document),
      state_(document.state()),
      prompter_(prompter),
      view_(view),
      run_(std::move(run)) {}

bool ProjectCommands::onCdDrive(const QString& host) const {
    const QString windows = state_.drives.toWindows(host);
    return !windows.isEmpty() && state_.drives.type(windows.at(0)) == DriveType::Cd;
}

bool ProjectCommands::takeOverWorkingCopy() {
    const QString dir = state_.paths.workingDir();
    const auto owner = WorkingCopyOwner::read(state_.paths.workingCopyOwner());
    const bool unsaved = workingcopy::holdsWork(dir) && (!owner || owner->modified);
    const bool named = owner && !owner->project.isEmpty();
    const QString question =
        named ? state_.text(lang::RecoverProject) + QStringLiteral("\n") + owner->project
              : state_.text(lang::RecoverWorkingCopy);
    if (unsaved && prompter_.ask(question, {}, Prompter::Buttons::YesNo) == Prompter::Yes) {
        if (named) {
            document_.setSavedPath(owner->project);
        }
        ProjectSettings settings;
        settings.load(workingcopy::settingsPath(dir));
        state_.projectWidth = settings.width();
        state_.projectHeight = settings.height();
        document_.setModified(true);
        return true;
    }
    workingcopy::empty(dir);
    QString error;
    if (!workingcopy::createProject(dir, state_.paths.projectTemplate(), state_.projectName,
                                    &error)) {
        qWarning("working copy: %s", qPrintable(error));
    }
    document_.setModified(false);
    return false;
}

bool ProjectCommands::refusesPath(const QString& projectHost) {
    const QString refusal = unstorableCharacterMessage(state_, projectHost);
    if (!refusal.isEmpty()) {
        prompter_.message(refusal);
    }
    return !refusal.isEmpty();
}

bool ProjectCommands::openProject(const QString& projectHost) {
    if (refusesPath(projectHost)) {
        return false;
    }
    // A damaged file is refused before the working copy is touched, and never written.
    if (const ProjectFileCheck check = checkSavedProject(projectHost); !check.ok()) {
        prompter_.message(faultMessage(check, [this](int line) { return state_.text(line); }));
        return false;
    }
    BusyCursor busy;
    // The project is unpacked beside the working directory first: one that cannot be read
    // leaves the open project untouched.
    QTemporaryDir staging(state_.paths.data(QStringLiteral(".open-XXXXXX")));
    const auto loaded = workingcopy::loadProject(projectHost, staging.path(), state_.drives);
    switch (loaded.status) {
        case workingcopy::LoadResult::OldFormat:
            prompter_.ask(state_.text(lang::OldProjectFormat), applicationTitle(),
                          Prompter::Buttons::Ok);
            return false;
        case workingcopy::LoadResult::ProjectUnreadable:
            prompter_.message(projectHost + QLatin1Char(' ') + state_.text(lang::NotFoundSuffix));
            return false;
        case workingcopy::LoadResult::ContainerUnreadable:
            showLine(prompter_, state_.language, lang::ContainerSplitFailed);
            return false;
        case workingcopy::LoadResult::Loaded:
            break;
    }
    document_.storyboard().closePage();
    if (!workingcopy::moveInto(staging.path(), state_.paths.workingDir())) {
        showLine(prompter_, state_.language, lang::PageFilesNotWritten);
    }
    document_.setSavedPath(projectHost);
    state_.projectWidth = loaded.width;
    state_.projectHeight = loaded.height;
    state_.settingsFlag = loaded.settingsFlag;
    if (loaded.containerMissing) {
        prompter_.message(loaded.containerHost + QLatin1Char(' ') +
                          state_.text(lang::NotFoundSuffix));
        showLine(prompter_, state_.language, lang::ContainerSplitFailed);
    }
    state_.projectOpen = false;
    document_.openPageTable();
    document_.showPage(0);
    document_.setModified(false);
    document_.rememberRecent(state_.projectName);
    document_.setUndoAvailable(false);
    if (!state_.gridMode) {
        view_.showGridView();
    }
    document_.saveEditorSettings();
    return true;
}

void ProjectCommands::newProject(bool askToSave) {
    if (askToSave && !saveChangesPrompt()) {
        return;
    }
    {
        BusyCursor busy;
        document_.storyboard().closePage();
        const QString dir = state_.paths.workingDir();
        workingcopy::empty(dir);
        document_.setUntitled();
        state_.projectOpen = true;
        QString error;
        if (!workingcopy::createProject(dir, state_.paths.projectTemplate(), state_.projectName,
                                        &error)) {
            qWarning("new project: %s", qPrintable(error));
            showLine(prompter_, state_.language, lang::PageFilesNotWritten);
        }
        state_.projectWidth = ProjectSettings::kDefaultWidth;
        state_.projectHeight = ProjectSettings::kDefaultHeight;
        state_.settingsFlag = false;
        document_.showPage(0);
        document_.setModified(false);
        document_.setUndoAvailable(false);
        if (!state_.gridMode) {
            view_.showGridView();
        }
    }
    run_(Command::ProjectParameters);
    run_(Command::NewPage);
}

void ProjectCommands::openCommand(bool askToSave) {
    if (askToSave && !saveChangesPrompt()) {
        return;
    }
    const QString path = prompter_.openFileName(state_.text(lang::OpenProjectCaption),
                                                dialogFolder(), projectFilter());
    if (!path.isEmpty()) {
        openChosenProject(path);
    } else if (!view_.showsProject()) {
        newProject(false);
    }
    view_.focusVisibleView();
}

bool ProjectCommands::openChosenProject(const QString& projectHost) {
    if (onCdDrive(projectHost)) {
        showLine(prompter_, state_.language, lang::ProjectOnCdDrive);
        return false;
    }
    return openProject(projectHost);
}

void ProjectCommands::openHandedOver(const QString& projectHost) {
    view_.raiseWindow();
    if (!saveChangesPrompt(nullptr, true, Prompter::Buttons::YesNoCancelUnasked)) {
        return;
    }
    openChosenProject(projectHost);
    view_.focusVisibleView();
}

void ProjectCommands::saveCommand() {
    if (document_.storyboard().page() == 0) {
        showLine(prompter_, state_.language, lang::NoCurrentPage);
        return;
    }
    saveNamedOrChoose();
    view_.focusVisibleView();
}

void ProjectCommands::saveAsCommand() {
    if (document_.storyboard().page() == 0) {
        showLine(prompter_, state_.language, lang::NoCurrentPage);
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
        document_.rememberRecent(savedAs);
    }
    if (path != QStringLiteral("$")) {
        const QString host = state_.drives.outsideToHost(path);
        if (!host.isEmpty() && QFileInfo(host).isFile()) {
            openProject(host);
        } else {
            document_.forgetRecent(path);
            showLine(prompter_, state_.language, lang::RecentProjectMissing);
            openCommand(false);
        }
    }
    document_.saveEditorSettings();
    view_.focusVisibleView();
}

void ProjectCommands::parametersCommand() {
    if (!state_.projectOpen) {
        showLine(prompter_, state_.language, lang::NoCurrentPage);
        return;
    }
    ProjectSettings settings;
    settings.load(workingcopy::settingsPath(state_.paths.workingDir()));
    ProjectParametersDialog dialog(
        state_, prompter_, ProjectParameters::read(settings),
        [this](const ProjectParameters& values) { return applyParameters(values); },
        view_.dialogParent());
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
    document_.setModified(true);
    state_.settingsFlag = values.transparent;
    const int width = settings.width();
    const int height = settings.height();
    const bool resized = width != state_.projectWidth || height != state_.projectHeight;
    state_.projectWidth = width;
    state_.projectHeight = height;
    Storyboard& storyboard = document_.storyboard();
    const int page = storyboard.page();
    if (resized && page != 0) {
        BusyCursor busy;
        storyboard.closePage();
        const int changed =
            resizeBackgrounds(state_.paths.workingDir(),
                              PageBook(state_.paths.workingDir()).livePages(), width, height);
        storyboard.openPage(page);
        document_.notifyCellsChanged();
        if (changed < 0) {
            showLine(prompter_, state_.language, lang::PageFilesNotWritten);
        } else {
            prompter_.inform(state_.text(lang::BackgroundsResized));
        }
    }
    return 0;
}

void ProjectCommands::keywordsCommand() {
    if (document_.storyboard().page() == 0) {
        showLine(prompter_, state_.language, lang::NoCurrentPage);
        return;
    }
    KeywordListDialog dialog(state_, prompter_, view_.dialogParent());
    runModal(state_, dialog);
    document_.setModified(state_.modified || dialog.changed());
    view_.focusVisibleView();
}

void ProjectCommands::toolSettingsCommand() {
    ToolSettingsDialog dialog(state_, prompter_, view_.dialogParent());
    runModal(state_, dialog);
}

bool ProjectCommands::save() {
    BusyCursor busy;
    const int page = document_.storyboard().page();
    document_.storyboard().closePage();
    const auto result = workingcopy::saveProject(state_.paths.workingDir(), state_.projectName,
                                                 state_.paths.projectTemplate(), state_.drives);
    document_.showPage(page);
    if (result.status == workingcopy::SaveResult::NoPages) {
        showLine(prompter_, state_.language, lang::NoPageToSave);
    }
    if (result.status != workingcopy::SaveResult::Saved) {
        qWarning("save: %s", qPrintable(result.error));
        showLine(prompter_, state_.language, lang::SaveFailed);
        return false;
    }
    ProjectSettings settings;
    settings.load(workingcopy::settingsPath(state_.paths.workingDir()));
    state_.projectWidth = settings.width();
    state_.projectHeight = settings.height();
    state_.settingsFlag = settings.line(ProjectSettings::Transparent) != QStringLiteral("$");
    document_.setModified(false);
    document_.setUndoAvailable(false);
    state_.settings.setLine(LastProjectLine, state_.projectName);
    document_.saveEditorSettings();
    return true;
}

bool ProjectCommands::saveAs(QString projectHost, bool updateRecent) {
    if (onCdDrive(projectHost)) {
        showLine(prompter_, state_.language, lang::ProjectOnCdDrive);
        return false;
    }
    if (QFileInfo(projectHost).suffix().isEmpty()) {
        projectHost += QStringLiteral(".PZV");
    }
    if (refusesPath(projectHost)) {
        return false;
    }
    if (QFileInfo::exists(projectHost) &&
        prompter_.ask(state_.text(lang::ProjectExistsReplace), {},
                      Prompter::Buttons::YesNoCancel) != Prompter::Yes) {
        return false;
    }
    const ProjectDocument::Path previous = document_.path();
    document_.setSavedPath(projectHost);
    if (!save()) {
        document_.setPath(previous);
        return false;
    }
    if (updateRecent) {
        document_.rememberRecent(state_.projectName);
        document_.saveEditorSettings();
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
        const QString path = prompter_.saveFileName(state_.text(lang::SaveAsCaption),
                                                    dialogFolder(), projectFilter());
        if (path.isEmpty()) {
            return {};
        }
        const QString dir = QFileInfo(path).absoluteDir().canonicalPath().toUpper();
        if (dir != working) {
            return path;
        }
        showLine(prompter_, state_.language, lang::WorkingFolderRefused);
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
    switch (prompter_.ask(state_.text(lang::SaveChangesQuestion), {}, buttons)) {
        case Prompter::Yes:
            return saveNamedOrChoose(savedAs, updateRecent);
        case Prompter::No:
            return true;
        default:
            return false;
    }
}

}  // namespace ztv::editor
