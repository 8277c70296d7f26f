#pragma once

#include <QString>

#include <functional>

namespace ztv {

// What keeps a saved project's file from being opened. The files are only read.
enum class ProjectFault {
    None,
    Missing,          // no such file
    Unreadable,       // it cannot be read
    NotWholeRecords,  // its size is not a whole number of its records: cut short, or foreign
    TooLarge,         // larger than any project file
    MalformedRecord,  // a record holds a string longer than its field, which no writer writes
    NotText,          // the settings file holds bytes that no text file holds
    CutShort,         // the settings file ends before the lines every project has
};

struct ProjectFileCheck {
    ProjectFault fault = ProjectFault::None;
    QString fileHost;  // the file at fault

    bool ok() const { return fault == ProjectFault::None; }
};

ProjectFileCheck checkPageTable(const QString& hostPath);
ProjectFileCheck checkSettingsFile(const QString& hostPath);
ProjectFileCheck checkContainer(const QString& hostPath);

// The saved project NAME.PZV: its page table, then NAME.ini beside it, then NAME.ZTV when that
// is a file (whether a missing container may open is the caller's matter). The first fault.
ProjectFileCheck checkSavedProject(const QString& pzvHost);

// The fault in one line of English, the file first.
QString describe(const ProjectFileCheck& check);

// The refusal in the language in use (text gives a language line), in the words the player uses
// for a file that is no project, then the reason on a line of its own.
QString faultMessage(const ProjectFileCheck& check, const std::function<QString(int)>& text);

}  // namespace ztv
