#pragma once

#include "common/platform/DriveTable.h"

#include <QString>

namespace ztv::editor {

// The working directory (the data folder's "base"), which holds the open project: page
// table PAGES.TAE, page files, $inip.ini, MOTS.PMG, snapshots.
namespace workingcopy {

QString pageTablePath(const QString& dirHost);
QString settingsPath(const QString& dirHost);
QString keywordsPath(const QString& dirHost);

// True when the folder holds a page table with at least one page: work a crash left behind.
bool holdsWork(const QString& dirHost);

// Deletes the regular files directly inside the folder (read-only ones too); links,
// sub-folders and everything outside it are left alone. False when a file stays.
bool empty(const QString& dirHost);

struct LoadResult {
    enum Status {
        Loaded,
        OldFormat,            // settings line 5 is not "2"
        ProjectUnreadable,    // the .PZV or its .ini cannot be copied
        ContainerUnreadable,  // the .ZTV exists but cannot be split
    };
    Status status = ProjectUnreadable;
    QString error;
    QString containerHost;  // NAME.ZTV beside the project file
    int width = 640;
    int height = 480;
    bool settingsFlag = false;  // settings line 7 is set
    bool containerMissing = false;
};

// Unpacks the saved project P (NAME.PZV beside NAME.ini, NAME.ZTV and NAME.PMG) into an empty
// folder: page table, settings with line 0 naming the container (a stored path), page files
// with their .ACT copies, keywords. Open unpacks into a staging folder first, so a project that
// cannot be read leaves the working copy as it was.
LoadResult loadProject(const QString& projectHost, const QString& dirHost,
                       const DriveTable& drives);

// Replaces the files of the working directory with those of the staging folder (same file
// system: each is renamed). False when a file could not be moved.
bool moveInto(const QString& stagingDirHost, const QString& dirHost);

struct SaveResult {
    enum Status { Saved, NoPages, Failed };
    Status status = Failed;
    QString error;
};

// Saves the working copy as the project P: NAME.PZV (the page table), NAME.ini (the settings,
// line 0 naming NAME.ZTV), NAME.ZTV (the container) and NAME.PMG (the keywords, only when there
// are some). All four are written beside their targets first and replace the old files only
// when every one is written: on failure the saved project stays as it was. Without keywords the
// old NAME.PMG is deleted, so deleted keywords do not come back. Settings lines the working copy
// lacks come from the template; settings that the open would refuse are never written.
SaveResult saveProject(const QString& dirHost, const QString& projectHost,
                       const QString& templateHost, const DriveTable& drives);

// A new, untitled project in the emptied working directory: the settings from the template
// with lines 0 to 3 set (untitled name, 640, 480, first page 1) and an empty page table.
bool createProject(const QString& dirHost, const QString& templateHost, const QString& untitledName,
                   QString* error = nullptr);

}  // namespace workingcopy
}  // namespace ztv::editor
