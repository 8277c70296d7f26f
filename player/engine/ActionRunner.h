#pragma once

#include "common/formats/ActionModel.h"
#include "player/engine/PlayerEnvironment.h"

#include <QString>
#include <QStringList>
#include <optional>

namespace ztv {

class Navigation;
class ProjectSession;

// Runs what a click, a keyword, a hover or the end of a run asks for: page jumps through the
// page play's navigation, files, programs and addresses through the desktop shell, prints
// through the printer.
class ActionRunner {
  public:
    ActionRunner(Navigation& navigation, ProjectSession& session, const PlayerEnvironment& env);

    // The one entry point of actions.
    void run(const Action& action);
    // Runs the program (a Windows path) with its parameters and waits for its end, serving
    // events meanwhile.
    void waitForProgram(const QString& windowsPath, const QString& parameters) const;

  private:
    std::optional<int> pageNumber(const QString& text);
    // The file an action names, as a host path; empty when it is nowhere.
    QString actionFile(const QString& stored, bool fromPackage = false);
    // Starts a program or opens a file for an action; asks first for a project handed over
    // as a document.
    void openForAction(const QString& host, const QStringList& arguments);
    bool mayStartPrograms(const QString& what);
    void openAddress(const QString& address);
    void startApplication(const QString& stored);
    void runAndWait(const QString& stored, const QString& parameters);
    // False when the file is nowhere.
    bool printTextFile(const QString& stored);
    void printScreen();
    DesktopShell& shell() const;

    Navigation& navigation_;
    ProjectSession& session_;
    const PlayerEnvironment& env_;
    std::optional<bool> programsAllowed_;  // the answer for this run, once asked
};

}  // namespace ztv
