#pragma once

#include <QString>

namespace ztv {

class LanguageFile;
struct ElementRecord;

// The actions a record can carry; the record stores the text of the language line that names
// it (`Acte`), which is turned into one of these where the record is read.
enum class ActionKind {
    None,     // no action: an empty `Acte` or the no-action line
    Unknown,  // a text that names no action: registered like one, does nothing
    GoToPage,
    GoToColumn,
    GoToPageAndColumn,
    OpenFile,
    OpenDocumentWith,
    OpenAddress,
    PrintScreen,
    PrintTextFile,
    ToggleVideo,
    ToggleSound,
    Quit,
    OpenWithParameters,
    StartApplication,
    RunAndWait,
    OpenProject,
    OpenWithParametersOnDrives,
    PrintTextThenGoToPage,
};

// An action with its two parameters (`Destination`, `Destin2`).
struct Action {
    ActionKind kind = ActionKind::None;
    QString first;
    QString second;

    bool isAction() const { return kind != ActionKind::None; }
    bool operator==(const Action&) const = default;
};

// The kind the stored text names, compared whole and case-sensitively with the language's
// action lines.
ActionKind actionKind(const QString& acte, const LanguageFile& language);
Action actionOf(const ElementRecord& record, const LanguageFile& language);
// The language line that names the kind; -1 for Unknown.
int actionLine(ActionKind kind);
// How many of its parameters name files: 2 (both), 1 (the first) or 0.
int fileParameterCount(ActionKind kind);

}  // namespace ztv
