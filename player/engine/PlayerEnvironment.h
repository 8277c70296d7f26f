#pragma once

#include "common/media/MediaService.h"
#include "common/platform/Clock.h"
#include "common/platform/DesktopShell.h"
#include "common/platform/DriveTable.h"
#include "common/platform/PrinterService.h"
#include "common/platform/ProgramRunner.h"
#include "common/platform/Prompter.h"

#include <QImage>
#include <QRect>
#include <QSize>
#include <QStringList>
#include <functional>
#include <memory>

namespace ztv {

// Everything the engine asks of the machine, so that tests run it headless with a manual
// clock, a scripted prompter, their own drive table, any screen size and scripted media.
struct PlayerEnvironment {
    Prompter* prompter = nullptr;
    const Clock* clock = nullptr;
    DriveTable drives;
    QSize screenSize{640, 480};
    QString programPath;     // the running player (host path)
    QStringList arguments;   // after the program name
    bool soundCard = false;  // an audio output is available
    // The screen content under a rectangle, for transparent projects; a null image when the
    // platform cannot give it.
    std::function<QImage(const QRect&)> grabScreen;
    // Plays sounds and videos; the engine owns it from then on. None: nothing plays.
    std::shared_ptr<MediaService> media;
    // Starts a program and waits for it to end, serving events meanwhile. None: the platform's.
    ProgramRunner runAndWait;
    // Opens files and addresses and starts programs for actions. None: the desktop's.
    std::shared_ptr<DesktopShell> shell;
    // Prints for actions. None: nothing is printed.
    std::shared_ptr<PrinterService> printer;
    // Where the answers to "may this project start programs?" are kept; empty: nowhere.
    QString trustStoreHost;
};

}  // namespace ztv
