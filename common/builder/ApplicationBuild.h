#pragma once

#include "common/builder/BuildOptions.h"
#include "common/formats/LanguageFile.h"
#include "common/platform/DriveTable.h"
#include "common/platform/Prompter.h"

#include <QString>
#include <QStringList>
#include <functional>
#include <memory>

namespace ztv::builder {

struct BuildRequest {
    QString projectHost;  // the saved project's page table, D/N.PZV
    QString appDirHost;   // where the players and rlang.asc are
    QString outputHost;   // the output folder, already created
    BuildOptions options;
};

// What the front end (the build window, ztvtool) sees of a build while it runs.
struct BuildHooks {
    std::function<void(const QString& label)> status;
    std::function<void(int value, int maximum)> progress;
    std::function<void(int page)> pageGathered;
    // Serves pending events and answers whether the user asked to cancel.
    std::function<bool()> cancelRequested;
    // The host path of a drive-less stored media path; empty when no drive holds it.
    std::function<QString(const QString& storedPath)> findMedia;
};

struct BuildJob;

enum class BuildOutcome { Built, Cancelled, Failed };

// Builds a distributable application from a saved project: copies, settings rewrites, the
// unpacking into the build's working folder, the media gathered per page, the archives and the
// final assembly of the player with the project appended, then the autorun files. Problems are
// told through the prompter in the language's messages.
class ApplicationBuild {
  public:
    // The records' vocabulary is compared with `language`; messages come from `messages`, or
    // from `language` too when null.
    ApplicationBuild(BuildRequest request, const LanguageFile& language, const DriveTable& drives,
                     Prompter& prompter, BuildHooks hooks, const LanguageFile* messages = nullptr);
    ~ApplicationBuild();

    BuildOutcome run();

    // N: the project's name, which the application takes.
    QString projectName() const;
    // The program (O/N) or the single-file project (O/N.ztvx).
    QString applicationHost() const;
    // The closing message of a finished build.
    QString closingMessage() const;

  private:
    bool checkInputs();
    bool copyProjectFiles();
    bool writeBuildSettings();
    bool unpackProject();
    bool packProject();
    bool cancelled();
    void message(int line);

    std::unique_ptr<BuildJob> job_;
};

// The media finder of a drive table: the C: drive first, then every drive of a known type, then
// beneath the project's folder (a project moved or copied carries its media with it).
std::function<QString(const QString&)> driveTableMediaFinder(const DriveTable& drives,
                                                             const QString& projectFolderHost);

}  // namespace ztv::builder
