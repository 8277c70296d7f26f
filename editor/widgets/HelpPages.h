#pragma once

#include <QString>

namespace ztv {
class Prompter;
}

class QAbstractButton;
class QWidget;

namespace ztv::editor {

struct SessionSettings;

// A help page: its name in the French help folder and in the English one. A name may carry an
// anchor ("projet.html#externe").
struct HelpPage {
    QString french;
    QString english;
};

// The pages the main window and its dialogs open.
HelpPage startHelp();
HelpPage questionsHelp();
HelpPage buildWizardHelp();
HelpPage buildWindowHelp();

// The host path of the page's file for the editor's language (anchor left off): aide/zentrovale
// in French, help/zentrovale otherwise.
QString helpPagePath(const SessionSettings& state, const HelpPage& page);

// Opens a document in the desktop's browser; when nothing could open it, says so (line 804).
bool openInBrowser(const SessionSettings& state, Prompter& prompter, const QString& documentHost,
                   const QString& anchor = {});

// Opens the help page in the browser; a page that is not installed opens nothing and the
// message names the missing file.
bool openHelpPage(const SessionSettings& state, Prompter& prompter, const HelpPage& page);

// The help button and F1 of a dialog open its help page.
void attachHelp(QWidget* dialog, QAbstractButton* button, const SessionSettings& state,
                Prompter& prompter, HelpPage page);

}  // namespace ztv::editor
