#pragma once

#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "common/formats/NumberedLines.h"
#include "common/media/MediaService.h"
#include "common/platform/AppPaths.h"
#include "common/platform/Clock.h"
#include "common/platform/DesktopShell.h"
#include "common/platform/DriveTable.h"
#include "editor/document/RememberedFont.h"

#include <QColor>
#include <QImage>
#include <QSize>
#include <QString>
#include <QStringList>
#include <array>
#include <functional>
#include <memory>

class QDialog;

namespace ztv::editor {

// Lines of zentrovale.ini.
enum SettingsLine {
    PictureEditorLine = 0,
    ScannerLine = 1,
    SoundRecorderLine = 2,
    VideoViewerLine = 3,
    VideoEditorLine = 4,
    FirstRecentLine = 6,
    LastRecentLine = 10,
    LastProjectLine = 11,
    IntroLine = 12,
    TextEditorLine = 13,
    LanguageLine = 14,
};
inline constexpr int kSettingsLineCount = 15;

// The settings and services of the editing session, which the main window keeps up to date and
// every command, dialog and builder reads. Dialogs return what they edit; they never leave a
// result here.
struct SessionSettings {
    AppPaths paths{QString(), QString()};
    NumberedLines settings;
    LanguageFile language;
    QString languageName;
    DriveTable drives;
    QString mediaDrive;  // "C:": put in front of every drive-less stored path
    QString cdDrive;
    QStringList furtherDrives;
    QStringList commandLine;  // arguments after the program name

    int screenWidth = 640;   // W: width of the desktop's work area
    int screenHeight = 480;  // W * 480 / 640
    int projectWidth = 640;
    int projectHeight = 480;
    bool soundCapable = false;

    QString projectName;  // full path of the .PZV file, or the untitled name
    QString projectDir;   // host folder of the project (the data folder while untitled)
    QString projectBase;  // projectDir + "/" + NAME (the working directory while untitled)
    bool projectOpen = false;
    bool modified = false;
    bool settingsFlag = false;  // project settings line 7 is set
    bool previewRunning = false;
    bool introShown = false;
    bool gridMode = true;

    // The effect previews of the element dialogs, transitions/0.bmp to 59.bmp.
    std::array<QImage, 60> transitionPictures;

    // Sounds and films of the dialogs' panels and of the position editor's previews: one
    // service made at start-up, one device at a time in the whole editor.
    std::shared_ptr<MediaService> media = unavailableMediaService();
    MediaDeviceId mediaDevice = 0;

    // The clock of the position editor's previews; tests advance one by hand.
    std::shared_ptr<const Clock> clock = std::make_shared<MonotonicClock>();

    // Opens documents and addresses and starts the player and the outside programs.
    std::shared_ptr<DesktopShell> shell = std::make_shared<SystemShell>();

    std::array<QColor, 3> rememberedColours{QColor(245, 186, 71), QColor(240, 243, 177),
                                            QColor(91, 169, 95)};
    RememberedFont rememberedFont;

    // The position editor's new positions were kept in the .ACT file: undo becomes possible.
    std::function<void()> positionsKept;
    // Closes the player started for a preview, if one runs (the position editor closes it).
    std::function<void()> closePlayerPreview;

    // Shows a modal dialog and returns its result; empty: exec(). Tests set it to drive the
    // dialog's controls without blocking.
    std::function<int(QDialog&)> dialogRunner;

    QString text(int line) const { return language.text(line); }
    bool isUntitled() const { return projectName == text(lang::UntitledProject); }
};

// The grey of every dialog panel and of the toolbar.
inline QColor panelColour() {
    return QColor(195, 198, 200);
}
// The text colour of the toolbar labels and of the storyboard's fixed cells.
inline QColor labelColour() {
    return QColor(28, 109, 107);
}

}  // namespace ztv::editor
