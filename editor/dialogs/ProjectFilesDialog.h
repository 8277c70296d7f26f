#pragma once

#include "editor/dialogs/TiledDialog.h"
#include "editor/document/MediaGathering.h"

class QComboBox;
class QLineEdit;
class QListWidget;
class QPushButton;

namespace ztv::editor {

class MainWindow;

// The project files dialog ("Les fichiers du projet"): the files the saved project needs,
// per page or without repetition, printed or gathered into one folder. Controls: ComboBox1
// (listing mode), ListBox1, BitBtn (print), BitBtn1 (close), BitBtn2 (copy dialog), BitBtn3
// (help, also F1).
class TForm28 : public TiledDialog {
    Q_OBJECT
  public:
    explicit TForm28(MainWindow& window, QWidget* parent = nullptr);
    QStringList lines() const;

  private:
    void fill();
    void print();
    void copyFiles();

    MainWindow& window_;
    QComboBox* mode_;
    QListWidget* list_;
};

// The copy dialog ("Copier les fichiers..."): the target folder (Edit1) and the subfolders of
// pictures, sounds and videos (Edit2 to Edit4); Button1 gathers, BitBtn1 cancels, BitBtn2 is
// the help (also F1).
class TForm1 : public TiledDialog {
    Q_OBJECT
  public:
    explicit TForm1(MainWindow& window, QWidget* parent = nullptr);
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

// FichiersduProjet1: needs a current page (message 60) and a named project (message 61).
void projectFilesCommand(MainWindow& window);

}  // namespace ztv::editor
