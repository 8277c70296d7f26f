#pragma once

#include "editor/document/MediaGathering.h"
#include "editor/widgets/HelpPages.h"
#include "editor/widgets/TiledDialog.h"
#include "editor/widgets/WindowServices.h"

class QLineEdit;

namespace ztv::editor {

// The copy dialog ("Copier les fichiers..."): the target folder (Edit1) and the subfolders of
// pictures, sounds and videos (Edit2 to Edit4); Button1 gathers, BitBtn1 cancels, BitBtn2 is
// the help (also F1).
class MediaCopyDialog : public TiledDialog {
    Q_OBJECT
  public:
    explicit MediaCopyDialog(const WindowServices& window, QWidget* parent = nullptr);
    GatherFolders folders() const;

  private:
    WindowServices window_;
    QLineEdit* target_;
    QLineEdit* images_;
    QLineEdit* sounds_;
    QLineEdit* videos_;
};

// Gathers the media into the folders and refills the grid from the current page, whose .ACT
// file is closed meanwhile; message 4 when everything was gathered.
void copyProjectMedia(const WindowServices& window, const GatherFolders& folders,
                      const FileCopier& copier);

// The help page of the project files and of their copy.
HelpPage projectFilesHelp();

}  // namespace ztv::editor
