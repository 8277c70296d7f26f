#pragma once

#include "editor/document/MediaGathering.h"
#include "editor/widgets/TiledDialog.h"
#include "editor/widgets/WindowServices.h"

class QComboBox;
class QListWidget;
class QPushButton;

namespace ztv::editor {

// The project files dialog ("Les fichiers du projet"): the files the saved project needs,
// per page or without repetition, printed or gathered into one folder. Controls: ComboBox1
// (listing mode), ListBox1, BitBtn (print), BitBtn1 (close), BitBtn2 (copy dialog), BitBtn3
// (help, also F1).
class ProjectFilesDialog : public TiledDialog {
    Q_OBJECT
  public:
    explicit ProjectFilesDialog(const WindowServices& window, QWidget* parent = nullptr);
    QStringList lines() const;

  private:
    void fill();
    void print();
    void copyFiles();

    WindowServices window_;
    QComboBox* mode_;
    QListWidget* list_;
};

// FichiersduProjet1: needs a current page (message 60) and a named project (message 61).
void projectFilesCommand(const WindowServices& window);

}  // namespace ztv::editor
