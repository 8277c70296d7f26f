#pragma once

#include <QString>

namespace ztv {

// Gathering files from many folders into one: two different files of the same name must not
// end as one, and a file gathered twice must not be copied twice.

// "a.jpg" numbered 2 is "a-2.jpg"; a name without an extension takes the number at its end.
QString numberedFileName(const QString& fileName, int number);

// Whether two files hold the same bytes; false when either cannot be read.
bool sameFileBytes(const QString& firstHost, const QString& secondHost);

struct GatherTarget {
    QString hostPath;       // the file the gathered copy is, in the folder
    bool needsCopy = true;  // false: that file already holds the source's bytes
};

// Where the source goes in the folder under its own name: that name when no file of the folder
// has it (compared without regard to case), the existing file when it holds the same bytes,
// else the first of name-2, name-3... that is free or holds the same bytes.
GatherTarget chooseGatherTarget(const QString& sourceHost, const QString& folderHost,
                                const QString& fileName);

}  // namespace ztv
