#pragma once

#include "editor/app/EditorStartup.h"
#include "tests/support/RecordingShell.h"
#include "tests/support/ScriptedMediaService.h"
#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest.h>
#include <QTemporaryDir>

namespace ztv::test {

// A test language file whose line n reads "n,Tn", so every text shows the line it came from.
QString numberedText(int line);

// An application folder of the test's own (language file, settings template), a drive table
// where C: is "/", a scripted prompter, a recording shell, a scripted media service and a
// 1024-pixel screen.
class EditorFixture : public ::testing::Test {
  protected:
    void SetUp() override;

    QString appDir() const { return dir_.path() + QStringLiteral("/app"); }
    QString workingDir() const { return appDir() + QStringLiteral("/base"); }
    AppPaths paths() const { return AppPaths(appDir(), appDir()); }
    void writeSettings(const QStringList& lines) const;
    editor::StartOptions options(const QStringList& arguments = {});
    std::unique_ptr<editor::EditorSession> start(const QStringList& arguments = {});

    QTemporaryDir dir_;
    ScriptedPrompter prompter_;
    // Nothing a test does opens a browser, starts a program or closes a real player.
    std::shared_ptr<RecordingShell> shell_ = std::make_shared<RecordingShell>();
    std::shared_ptr<ScriptedMediaService> media_ = std::make_shared<ScriptedMediaService>();
    int previewCloseRequests_ = 0;
};

}  // namespace ztv::test
