#include "editor/app/EditorStartup.h"

#include "common/media/GstMediaService.h"
#include "common/media/SoundOutput.h"
#include "common/platform/ApplicationMutex.h"
#include "common/platform/FileIo.h"
#include "common/platform/QtLanguage.h"
#include "editor/app/DriveScan.h"
#include "editor/app/EditorPrompter.h"
#include "editor/app/IdleHandOver.h"
#include "editor/app/LaunchCommands.h"
#include "editor/app/OpenRequest.h"
#include "editor/app/ProjectCommands.h"
#include "editor/app/RunningEditor.h"
#include "editor/document/RecentProjects.h"

#include <QDir>
#include <QFile>
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
    handOver.reset();
    window.reset();
    if (instance) {
        QFile::remove(state.paths.runningEditor());
    }
}

QString alreadyRunningText(const QString& display) {
    const QString text = QStringLiteral("Zentrovale is already running !");
    return display.isEmpty() ? text : text + QStringLiteral(" (display %1)").arg(display);
}

QString languageMissingText() {
    return QStringLiteral("Fichier traduction introuvable.");
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
    SessionSettings& state = session->state;
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
    const QString display = options.display.isEmpty() ? currentDisplayName() : options.display;
    session->instance = takeApplicationMutex(state.paths.editorLock());
    if (!session->instance) {
        const auto running = RunningEditor::read(state.paths.runningEditor());
        const bool here = running && running->display == display;
        const bool handed =
            here && !project.isEmpty() && sendOpenRequest(running->channel, project);
        if (handedOver) {
            *handedOver = handed;
        }
        if (!handed) {
            prompter.ask(alreadyRunningText(running ? running->display : QString()),
                         applicationTitle(), Prompter::Buttons::Ok);
        }
        return nullptr;
    }
    // The screen saver stays off while an editor runs.
    session->userInstance = takeApplicationMutex(userApplicationMutex());

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
    session->qtLanguage = std::make_unique<QtLanguage>(state.languageName);
    state.soundCapable = soundOutputPresent();
    // One service for the whole editor: its dialogs and the position editor share one device.
    state.media = options.media ? options.media : std::make_shared<GstMediaService>();

    session->window = std::make_unique<MainWindow>(state, prompter);
    session->window->installCellDialogs();
    if (options.closePreview) {
        session->window->preview().setCloseRequester(options.closePreview);
    }
    // The position editor ends a running preview when it closes.
    state.closePlayerPreview = [w = session->window.get()] { w->preview().closeRunningPreview(); };
    if (session->ownPrompter) {
        session->ownPrompter->setParent(session->window.get());
    }
    MainWindow* window = session->window.get();
    session->handOver = std::make_unique<IdleHandOver>(
        [window](const QString& path) { window->projects().openHandedOver(path); });
    session->openRequests = std::make_unique<OpenRequestServer>(state.paths.dataDir());
    QObject::connect(session->openRequests.get(), &OpenRequestServer::openRequested,
                     session->handOver.get(), &IdleHandOver::request);
    if (!RunningEditor::write(state.paths.runningEditor(),
                              {display, session->openRequests->channel()})) {
        qWarning("%s not written: projects opened again will not reach this window",
                 qPrintable(state.paths.runningEditor()));
    }
    return session;
}

}  // namespace ztv::editor
