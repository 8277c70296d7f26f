#pragma once

#include <QString>
#include <QStringList>

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;

// The two ways of listing the files of the saved project: under each page's header, or each
// file once.
enum class FileListMode { PerPage = 0, WithoutRepetition = 1 };

// Every file the saved project needs: its own files, then for each live page whose .jou file
// is in the working copy, the files its actions open and its elements' media, found over the
// drives (or beneath the moved project's folder) and named by the host path where they lie. A
// medium found nowhere is reported in the OK box and left out.
QStringList listProjectFiles(SessionSettings& state, Prompter& prompter, FileListMode mode);

}  // namespace ztv::editor
