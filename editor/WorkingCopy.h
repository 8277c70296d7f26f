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
    enum Status { Loaded, OldFormat, Failed };
    Status status = Failed;
    QString error;  // the file that failed, for Failed
    int width = 640;
    int height = 480;
    bool settingsFlag = false;  // settings line 7 is set
    bool containerMissing = false;
};

// Unpacks the saved project P (NAME.PZV beside NAME.ini, NAME.ZTV and NAME.PMG) into the
// working directory: page table, settings with line 0 naming the container (a stored path), page
// files with their .ACT copies, keywords. The folder must have been emptied first.
LoadResult loadProject(const QString& projectHost, const QString& dirHost,
                       const DriveTable& drives);

}  // namespace workingcopy
}  // namespace ztv::editor
