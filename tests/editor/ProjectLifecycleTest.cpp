// Every way of beginning a project saves something that reopens; a crash leaves work that is
// recovered as the project it belongs to; a second start hands its project over.
#include "common/formats/LangLines.h"
#include "common/platform/FileIo.h"
#include "editor/app/IdleHandOver.h"
#include "editor/app/ProjectCommands.h"
#include "tests/editor/ProjectFixture.h"
#include "tools/ztvtool/ZtvTool.h"

#include <QComboBox>
#include <QCoreApplication>
#include <QDir>
#include <QElapsedTimer>
#include <QTextStream>
#include <future>

namespace ztv::test {
namespace {

class ProjectLifecycle : public ProjectFixture {
  protected:
    // Saves through the Save command under a new name, then checks that the project reopens
    // in the editor and in the tool.
    void saveAndReopen(const QString& name) {
        prompter_.choosePath(folder() + QLatin1Char('/') + name);
        window().runCommand(editor::Command::Save);
        const QString pzv = folder() + QLatin1Char('/') + name + QStringLiteral(".PZV");
        ASSERT_TRUE(QFileInfo::exists(pzv));
        EXPECT_EQ(readLines(folder() + QLatin1Char('/') + name + QStringLiteral(".ini"))->value(5),
                  QStringLiteral("2"));
        QString out;
        QString err;
        QTextStream o(&out);
        QTextStream e(&err);
        EXPECT_EQ(tool::run({QStringLiteral("info"), pzv}, o, e), 0) << err.toStdString();
        state().modified = false;
        EXPECT_TRUE(window().openProject(pzv));
        EXPECT_EQ(window().pageCombo().count(), 1);
        EXPECT_EQ(window().pageCombo().itemText(0), QStringLiteral("1  Accueil"));
    }
    // The editor killed: nothing of its close sequence runs.
    void crash() {
        runner_ = state().dialogRunner;
        session_.reset();
    }
    std::unique_ptr<editor::EditorSession> restart(const QStringList& arguments = {}) {
        auto session = start(arguments);
        if (session) {
            session->state.dialogRunner = runner_;
        }
        return session;
    }

  private:
    std::function<int(QDialog&)> runner_;
};

TEST_F(ProjectLifecycle, APageMadeInTheOpeningStateSavesAndReopens) {
    newPageAnswer(QStringLiteral("Accueil"));
    window().runCommand(editor::Command::NewPage);
    ASSERT_EQ(window().storyboard().page(), 1);
    EXPECT_TRUE(state().projectOpen);
    parametersAnswer();
    window().runCommand(editor::Command::ProjectParameters);
    EXPECT_EQ(dialogsShown.last(), QStringLiteral("FParaProjet")) << "the page is open";
    saveAndReopen(QStringLiteral("accueil"));
}

TEST_F(ProjectLifecycle, ANewProjectSavesAndReopens) {
    newProjectWithPages({QStringLiteral("Accueil")});
    saveAndReopen(QStringLiteral("nouveau"));
}

TEST_F(ProjectLifecycle, RecoveredUntitledWorkSavesAndReopens) {
    newProjectWithPages({QStringLiteral("Accueil")});
    crash();
    prompter_.answer(Prompter::Yes);
    session_ = restart();
    ASSERT_TRUE(session_);
    EXPECT_EQ(prompter_.asked().last().text, numberedText(lang::RecoverWorkingCopy));
    EXPECT_TRUE(state().isUntitled());
    saveAndReopen(QStringLiteral("repris"));
}

TEST_F(ProjectLifecycle, ASaveNeverWritesSettingsItsOwnOpenRefuses) {
    newProjectWithPages({QStringLiteral("Accueil")});
    // A working copy whose settings lost their lines gets them back from the template.
    ASSERT_TRUE(writeLines(workingDir() + QStringLiteral("/$inip.ini"), {QStringLiteral("x")}));
    saveAndReopen(QStringLiteral("complet"));

    ASSERT_TRUE(writeLines(workingDir() + QStringLiteral("/$inip.ini"),
                           {"$", "640", "480", "1", "$", "3"}));
    const QByteArray before = readBytes(folder() + QStringLiteral("/complet.ini"));
    window().runCommand(editor::Command::Save);
    EXPECT_EQ(prompter_.asked().last().text, numberedText(lang::SaveFailed));
    EXPECT_EQ(readBytes(folder() + QStringLiteral("/complet.ini")), before);
}

TEST_F(ProjectLifecycle, WorkUnchangedSinceItsSaveIsClearedWithoutAQuestion) {
    newProjectWithPages({QStringLiteral("Accueil")});
    prompter_.choosePath(folder() + QStringLiteral("/sauve"));
    window().runCommand(editor::Command::SaveAs);
    const int asked = prompter_.asked().size();
    crash();
    session_ = restart();
    ASSERT_TRUE(session_);
    EXPECT_EQ(prompter_.asked().size(), asked);
    EXPECT_EQ(window().storyboard().page(), 0);
    EXPECT_TRUE(state().isUntitled());
}

TEST_F(ProjectLifecycle, ChangedWorkIsOfferedAndRecoveredAsItsProject) {
    newProjectWithPages({QStringLiteral("Accueil")});
    prompter_.choosePath(folder() + QStringLiteral("/album"));
    window().runCommand(editor::Command::SaveAs);
    const QString pzv = state().projectName;
    newPageAnswer(QStringLiteral("Suite"));
    window().runCommand(editor::Command::NewPage);
    crash();

    prompter_.answer(Prompter::Yes);
    session_ = restart();
    ASSERT_TRUE(session_);
    EXPECT_EQ(prompter_.asked().last().text,
              numberedText(lang::RecoverProject) + QLatin1Char('\n') + pzv);
    EXPECT_EQ(state().projectName, pzv);
    EXPECT_EQ(window().windowTitle(), numberedText(150) + QStringLiteral("  ") + pzv);
    EXPECT_TRUE(state().modified);
    EXPECT_EQ(window().pageCombo().count(), 2);
    window().runCommand(editor::Command::Save);
    EXPECT_EQ(pagetable::readLive(folder() + QStringLiteral("/album.PZV")).size(), 2)
        << "saved in place, no save dialog";
}

TEST_F(ProjectLifecycle, RecoveredWorkThenTheCommandLineProjectOpensAfterTheSaveQuestion) {
    ProjectWriter(folder()).writeSavedProject(
        QStringLiteral("autre"), {{1, QStringLiteral("Autre")}}, {{1, makeRecord(5, 1)}});
    newProjectWithPages({QStringLiteral("Accueil")});
    crash();
    prompter_.answer(Prompter::Yes);  // recover
    prompter_.answer(Prompter::No);   // do not save it
    session_ = restart({folder() + QStringLiteral("/autre.PZV")});
    ASSERT_TRUE(session_);
    ASSERT_EQ(prompter_.asked().size(), 2);
    EXPECT_EQ(prompter_.asked().last().text, numberedText(lang::SaveChangesQuestion));
    EXPECT_EQ(state().projectName, folder() + QStringLiteral("/autre.PZV"));
    EXPECT_EQ(window().pageCombo().itemText(0), QStringLiteral("1  Autre"));
}

TEST_F(ProjectLifecycle, TheRecentListHoldsOneSpellingOfAPath) {
    const QString pzv = ProjectWriter(folder()).writeSavedProject(
        QStringLiteral("un"), {{1, QStringLiteral("Un")}}, {{1, makeRecord(5, 1)}});
    ASSERT_TRUE(window().openProject(folder() + QStringLiteral("/../projects/./un.PZV")));
    ASSERT_TRUE(window().openProject(pzv));
    EXPECT_EQ(state().settings.line(6), pzv);
    EXPECT_EQ(state().settings.line(7), QStringLiteral("$"));
    EXPECT_EQ(state().projectName, pzv);
}

TEST_F(ProjectLifecycle, ASecondStartHandsItsProjectToTheRunningEditor) {
    const QString pzv = ProjectWriter(folder()).writeSavedProject(
        QStringLiteral("bureau"), {{1, QStringLiteral("Bureau")}}, {{1, makeRecord(5, 1)}});
    ScriptedPrompter second;
    auto opts = options({pzv});
    opts.prompter = &second;
    bool handedOver = false;
    // The second start waits for the running editor's answer, which this thread serves.
    auto started = std::async(std::launch::async,
                              [&] { return editor::startEditor(opts, &handedOver) == nullptr; });
    QElapsedTimer waited;
    waited.start();
    while (started.wait_for(std::chrono::milliseconds(0)) != std::future_status::ready &&
           waited.elapsed() < 10000) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    ASSERT_TRUE(started.get());
    EXPECT_TRUE(handedOver);
    EXPECT_TRUE(second.asked().isEmpty()) << "the second start ends quietly";
    for (int i = 0; i < 50 && state().projectName != pzv; ++i) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    EXPECT_EQ(state().projectName, pzv);

    // Without a project the second start says where the editor runs.
    EXPECT_FALSE(editor::startEditor(options()));
    EXPECT_EQ(prompter_.asked().last().text, editor::alreadyRunningText(QStringLiteral(":1")));
}

TEST_F(ProjectLifecycle, AStartOnAnotherDisplayHandsNothingOverAndSaysWhereTheEditorIs) {
    const QString pzv = ProjectWriter(folder()).writeSavedProject(
        QStringLiteral("bureau"), {{1, QStringLiteral("Bureau")}}, {{1, makeRecord(5, 1)}});
    const QString before = state().projectName;
    ScriptedPrompter second;
    auto opts = options({pzv});
    opts.prompter = &second;
    opts.display = QStringLiteral(":2");
    bool handedOver = true;
    EXPECT_FALSE(editor::startEditor(opts, &handedOver));
    EXPECT_FALSE(handedOver);
    ASSERT_EQ(second.asked().size(), 1);
    EXPECT_EQ(second.asked()[0].text, editor::alreadyRunningText(QStringLiteral(":1")));
    QElapsedTimer waited;
    waited.start();
    while (waited.elapsed() < 500) {
        QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
    }
    EXPECT_EQ(state().projectName, before);
    EXPECT_TRUE(prompter_.asked().isEmpty()) << "the window on the other display asks nothing";
}

TEST_F(ProjectLifecycle, AHandOverWaitsForTheOpenDialogThenAsksAnUnaskedSaveQuestion) {
    const QString pzv = ProjectWriter(folder()).writeSavedProject(
        QStringLiteral("bureau"), {{1, QStringLiteral("Bureau")}}, {{1, makeRecord(5, 1)}});
    state().modified = true;
    const QString before = state().projectName;
    QDialog dialog(&window());
    dialog.setWindowModality(Qt::ApplicationModal);
    dialog.show();
    session_->handOver->request(pzv);
    const auto runEvents = [](int ms, const std::function<bool()>& done) {
        QElapsedTimer waited;
        waited.start();
        while (!done() && waited.elapsed() < ms) {
            QCoreApplication::processEvents(QEventLoop::AllEvents, 10);
        }
    };
    runEvents(700, [] { return false; });
    EXPECT_TRUE(prompter_.asked().isEmpty()) << "nothing is asked over the open dialog";
    EXPECT_EQ(state().projectName, before);

    dialog.close();
    prompter_.answer(Prompter::No);
    runEvents(3000, [&] { return state().projectName == pzv; });
    EXPECT_EQ(state().projectName, pzv);
    ASSERT_EQ(prompter_.asked().size(), 1);
    EXPECT_EQ(prompter_.asked()[0].text, numberedText(lang::SaveChangesQuestion));
    EXPECT_EQ(prompter_.asked()[0].buttons, Prompter::Buttons::YesNoCancelUnasked);
}

}  // namespace
}  // namespace ztv::test
