#pragma once

#include "common/formats/LanguageFile.h"
#include "common/platform/Clock.h"
#include "common/platform/DriveTable.h"
#include "tests/support/ScriptedPrompter.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QImage>
#include <QTemporaryDir>

namespace ztv::test {

// A copy of the demo project's saved files in "proj" (its media stay where the demo was made,
// which its records name), the French vocabulary, and a player that plays what a build made.
class BuildFixture : public ::testing::Test {
  protected:
    BuildFixture();
    QString host(const QString& relative) const { return QDir(tmp_.path()).filePath(relative); }
    QString project() const { return host(QStringLiteral("proj/demo.PZV")); }

    // Runs the application folder's ztvtool build on the project; its exit code and lines.
    int runTool(const QStringList& options, QStringList* outLines, QString* errText = nullptr);
    // The first page of what a build made (the program, or a .ztvx opened by the player),
    // played to its end; a null image when the player could not open it.
    QImage playFirstPage(const QString& applicationHost);
    // The first page of the demo as saved, played the same way: what every build must show.
    const QImage& referencePage();
    // The files and folders an output folder holds, sorted.
    static QStringList entriesOf(const QString& folderHost);
    // The names of the entries appended to a program.
    static QStringList appendedNames(const QString& programHost);

    QTemporaryDir tmp_;
    LanguageFile french_;
    ScriptedPrompter prompter_;
    ManualClock clock_;
    DriveTable drives_;

  private:
    QImage play(const QString& programPath, const QStringList& args, const QString& folder);
};

}  // namespace ztv::test
