#pragma once

#include "editor/app/MainWindow.h"
#include "tests/editor/EditorFixture.h"
#include "tests/support/ProjectWriter.h"

#include <QDialog>
#include <functional>

namespace ztv::test {

// A running editor with the project template, and a script for its modal dialogs: each dialog
// shown is handed to the next scripted step (which fills and presses its controls) instead of
// blocking; an unscripted dialog is closed as cancelled.
class ProjectFixture : public EditorFixture {
  protected:
    using DialogStep = std::function<void(QDialog&)>;

    void SetUp() override;
    editor::MainWindow& window() { return *session_->window; }
    editor::SessionSettings& state() { return session_->state; }
    QString folder() const { return dir_.path() + QStringLiteral("/projects"); }

    void onDialog(DialogStep step) { steps_.append(std::move(step)); }
    // Scripts the new page dialog: number (empty: keep the proposed one) and title, then OK.
    void newPageAnswer(const QString& title, const QString& number = {});
    // Scripts the project parameters dialog: width and height, then OK.
    void parametersAnswer(const QString& width = QStringLiteral("640"),
                          const QString& height = QStringLiteral("480"));
    // New project through the UI with the given pages (titles), each through the dialog.
    void newProjectWithPages(const QStringList& titles);
    QStringList dialogsShown;  // object names, in order

    std::unique_ptr<editor::EditorSession> session_;

  private:
    QList<DialogStep> steps_;
};

}  // namespace ztv::test
