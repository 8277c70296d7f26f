#include "player/ui/PlayerStartup.h"

#include "common/formats/LanguageFile.h"
#include "common/media/GstMediaService.h"
#include "common/platform/AppPaths.h"
#include "common/platform/ApplicationMutex.h"
#include "common/platform/TermSignal.h"
#include "player/engine/PlayerCommandLine.h"
#include "player/engine/ProjectTrust.h"
#include "player/ui/PlayerWindow.h"
#include "player/ui/QtPrinterService.h"
#include "player/ui/ScreenSaverSettingsWindow.h"
#include "player/ui/WidgetPrompter.h"

#include <QApplication>
#include <QFileInfo>
#include <QScreen>

namespace ztv {
namespace {

int runMainWindow(QApplication& app, const QString& program, bool screenSaver) {
    const QString folder = QFileInfo(program).absolutePath();
    WidgetPrompter prompter;
    MonotonicClock clock;
    QScreen* screen = QGuiApplication::primaryScreen();
    PlayerEnvironment env;
    env.prompter = &prompter;
    env.clock = &clock;
    env.drives = DriveTable::system(folder);
    env.screenSize = screen ? screen->size() : QSize(640, 480);
    env.programPath = program;
    env.arguments = app.arguments().mid(1);
    auto media = std::make_shared<GstMediaService>();
    env.soundCard = media->audioOutputOpens();
    env.media = std::move(media);
    env.printer = std::make_shared<QtPrinterService>();
    env.trustStoreHost = ProjectTrust::defaultStore();
    env.grabScreen = [screen](const QRect& r) {
        return screen ? screen->grabWindow(0, r.x(), r.y(), r.width(), r.height()).toImage()
                      : QImage();
    };
    // SIGTERM during start-up (a question may be open) ends the player once start-up returns,
    // so that a playback directory it already claimed is removed; afterwards it closes the
    // window through its close sequence.
    bool started = false;
    bool terminated = false;
    PlayerWindow form(std::move(env));
    onTermSignal(&form, [&] {
        if (started) {
            form.close();
        } else {
            terminated = true;
            prompter.stopAsking();
        }
    });
    if (!form.start(folder) || terminated) {
        return 1;
    }
    started = true;
    form.show();
    form.raise();
    form.activateWindow();
    if (screenSaver) {
        form.startScreenSaver();
    }
    return app.exec();
}

int runScreenSaver(QApplication& app, const QString& program) {
    const auto mutex = takeApplicationMutex(userApplicationMutex());
    if (!mutex) {
        return 0;
    }
    switch (screenSaverCommandOf(app.arguments().mid(1))) {
        case ScreenSaverCommand::Show:
            QGuiApplication::setApplicationDisplayName(QStringLiteral("Zentrovale Player 2.0"));
            return runMainWindow(app, program, true);
        case ScreenSaverCommand::Configure: {
            QGuiApplication::setApplicationDisplayName(QStringLiteral("Zentrovale Player 2.0"));
            const QString folder = QFileInfo(program).absolutePath();
            LanguageFile language;
            language.load(AppPaths(folder, folder).playerLanguageFile());
            ScreenSaverSettingsWindow form(language);
            form.exec();
            return 0;
        }
        case ScreenSaverCommand::Preview:
        case ScreenSaverCommand::None:
            break;
    }
    return 0;
}

}  // namespace

int runPlayer(QApplication& app) {
    const QString program = AppPaths::programFile();
    if (isScreenSaverProgram(program)) {
        return runScreenSaver(app, program);
    }
    QGuiApplication::setApplicationDisplayName(QStringLiteral("Zentrovale Player 3.0"));
    return runMainWindow(app, program, false);
}

}  // namespace ztv
