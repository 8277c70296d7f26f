#pragma once

#include "editor/app/HelpPages.h"
#include "editor/dialogs/TiledDialog.h"
#include "editor/document/MediaGathering.h"

class QLineEdit;

namespace ztv::editor {

class MainWindow;

// The copy dialog ("Copier les fichiers..."): the target folder (Edit1) and the subfolders of
// pictures, sounds and videos (Edit2 to Edit4); Button1 gathers, BitBtn1 cancels, BitBtn2 is
// the help (also F1).
class MediaCopyDialog : public TiledDialog {
    Q_OBJECT
  public:
    explicit MediaCopyDialog(MainWindow& window, QWidget* parent = nullptr);
    GatherFolders folders() const;

  private:
    MainWindow& window_;
    QLineEdit* target_;
    QLineEdit* images_;
    QLineEdit* sounds_;
    QLineEdit* videos_;
};

// Gathers the media into the folders and refills the grid from the current page, whose .ACT
// file is closed meanwhile; message 4 when everything was gathered.
void copyProjectMedia(MainWindow& window, const GatherFolders& folders, const FileCopier& copier);

// The help page of the project files and of their copy.
HelpPage projectFilesHelp();

}  // namespace ztv::editor
