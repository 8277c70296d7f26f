#include "editor/EditorStartup.h"

#include "common/platform/ApplicationMutex.h"
#include "common/platform/FileIo.h"
#include "common/platform/GstMediaService.h"
#include "common/platform/QtTranslation.h"
#include "common/platform/SoundOutput.h"
#include "editor/DriveScan.h"
#include "editor/EditorPrompter.h"
#include "editor/LaunchCommands.h"
#include "editor/OpenRequest.h"
#include "editor/ProjectCommands.h"
#include "editor/RecentProjects.h"
#include "editor/dialogs/CellDialogs.h"

#include <QDir>
#include <QFileInfo>
#include <QGuiApplication>
#include <QScreen>

namespace ztv::editor {

namespace {

int primaryScreenWidth() {
    const QScreen* screen = QGuiApplication::primaryScreen();
    return screen ? screen->availableGeometry().width() : 1024;
}

}  // namespace

EditorSession::~EditorSession() {
    openRequests.reset();
    window.reset();
}

QString alreadyRunningText() {
    return QStringLiteral("Zentrovale is already running !");
}

QString languageMissingText() {
    return QStringLiteral("Fichier traduction introuvable.");
}

QString applicationTitle() {
    return QStringLiteral("Zentrovale 3.0");
}

NumberedLines loadEditorSettings(const AppPaths& paths) {
    const QString file = paths.editorSettings();
    if (!QFileInfo::exists(file)) {
        copyFileAtomically(paths.editorSettingsTemplate(), file);
    }
    NumberedLines settings;
    settings.load(file);
    if (settings.count() < kSettingsLineCount) {
        settings.setLine(kSettingsLineCount - 1, settings.line(kSettingsLineCount - 1).isEmpty()
                                                     ? QStringLiteral("$")
                                                     : settings.line(kSettingsLineCount - 1));
    }
    return settings;
}

std::unique_ptr<EditorSession> startEditor(StartOptions options, bool* handedOver) {
    auto session = std::make_unique<EditorSession>();
    EditorState& state = session->state;
    if (!options.prompter) {
        session->ownPrompter = std::make_unique<EditorPrompter>(state.language);
        options.prompter = session->ownPrompter.get();
    }
    Prompter& prompter = *options.prompter;
    // The arguments form one path; the first empty one ends it.
    for (const QString& argument : options.arguments) {
        if (argument.isEmpty()) {
            break;
        }
        state.commandLine.append(argument);
    }
    state.paths = options.paths;
    if (options.shell) {
        state.shell = options.shell;
    }
    state.drives = options.drives ? *options.drives : DriveTable::system(state.paths.appDir());
    const QString project = state.commandLine.isEmpty()
                                ? QString()
                                : canonicalProjectPath(state.drives.outsideToHost(
                                      state.commandLine.join(QLatin1Char(' '))));
    session->instance = takeApplicationMutex();
    if (!session->instance) {
        const bool handed = !project.isEmpty() && sendOpenRequest(project);
        if (handedOver) {
            *handedOver = handed;
        }
        if (!handed) {
            prompter.ask(alreadyRunningText(), applicationTitle(), Prompter::Buttons::Ok);
        }
        return nullptr;
    }

    QDir().mkpath(state.paths.workingDir());
    state.settings = loadEditorSettings(state.paths);
    state.mediaDrive = state.drives.toWindows(state.paths.appDir()).left(2);
    const DriveScan scan = scanDrives(state.drives);
    state.cdDrive = scan.cdDrive;
    state.furtherDrives = scan.furtherDrives;

    state.screenWidth = options.screenWidth > 0 ? options.screenWidth : primaryScreenWidth();
    state.screenHeight = state.screenWidth * 480 / 640;

    state.languageName = state.settings.line(LanguageLine);
    if (state.languageName == QStringLiteral("$")) {
        state.languageName = QStringLiteral("FRENCH");
        state.settings.setLine(LanguageLine, state.languageName);
    }
    // Without its language file every marker the editor writes would be stored empty and read
    // back as a deleted cell: the program ends instead.
    if (!state.language.load(state.paths.languageFile(state.languageName))) {
        prompter.ask(languageMissingText(), applicationTitle(), Prompter::Buttons::Ok);
        return nullptr;
    }
    session->qtTranslation = installQtTranslation(state.languageName);
    state.soundCapable = soundOutputPresent();
    // One service for the whole editor: its dialogs and the position editor share one device.
    state.media = options.media ? options.media : std::make_shared<GstMediaService>();

    session->window = std::make_unique<TSommaire>(state, prompter);
    installCellDialogs(*session->window);
    if (options.closePreview) {
        session->window->preview().setCloseRequester(options.closePreview);
    }
    // The position editor ends a running preview when it closes.
    state.closePlayerPreview = [w = session->window.get()] { w->preview().closeRunningPreview(); };
    if (session->ownPrompter) {
        session->ownPrompter->setParent(session->window.get());
    }
    session->openRequests = std::make_unique<OpenRequestServer>();
    TSommaire* window = session->window.get();
    // Queued: the request's socket is answered before the save question can block.
    QObject::connect(
        session->openRequests.get(), &OpenRequestServer::openRequested, window,
        [window](const QString& path) { window->projects().openHandedOver(path); },
        Qt::QueuedConnection);
    return session;
}

}  // namespace ztv::editor
