#pragma once

#include "common/platform/Clock.h"
#include "common/platform/DriveTable.h"
#include "player/engine/Engine.h"
#include "player/engine/PlayerEnvironment.h"
#include "tests/support/ProjectWriter.h"
#include "tests/support/ScriptedMediaService.h"
#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QTemporaryDir>
#include <memory>

namespace ztv::test {

// A temporary folder that C: stands for, a player folder "app" inside it with the French
// rlang.asc, a temp folder "tmp" of its own (where "tempztv" goes), a scripted prompter, a
// manual clock, scripted media on a machine with a sound card, and programs that are only
// recorded when an action runs them.
class PlayerFixture : public ::testing::Test {
  protected:
    PlayerFixture();
    ~PlayerFixture() override;

    QString host(const QString& relative) const { return QDir(tmp_.path()).filePath(relative); }
    QString appHost() const { return host(QStringLiteral("app")); }
    ProjectWriter appWriter() const { return ProjectWriter(appHost()); }
    // A one-page saved project NAME.ZTV / NAME.ini / NAME.PMG in dirHost.
    void writeProject(const QString& dirHost, const QString& name,
                      const QStringList& settings = settingsLines()) const;
    PlayerEnvironment environment(const QStringList& args, const QString& programName = "ztvplay");
    std::unique_ptr<Engine> engine(const QStringList& args,
                                   const QString& programName = QStringLiteral("ztvplay"));
    // Starts a new engine; the engine stays alive in engine_.
    bool start(const QStringList& args, const QString& programName = QStringLiteral("ztvplay"));
    QStringList playbackDirs() const;

    QTemporaryDir tmp_;
    bool hadTmpDir_ = false;
    QByteArray oldTmpDir_;
    DriveTable drives_;
    ScriptedPrompter prompter_;
    ManualClock clock_;
    QSize screen_{1280, 1024};
    std::shared_ptr<ScriptedMediaService> media_ = std::make_shared<ScriptedMediaService>();
    // When set, plays in place of the scripted media.
    std::shared_ptr<MediaService> otherMedia_;
    bool soundCard_ = true;
    QStringList programsRun_;  // "program arguments..." per program an action ran
    std::unique_ptr<Engine> engine_;
};

}  // namespace ztv::test
