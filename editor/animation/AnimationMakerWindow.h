#pragma once

#include "editor/animation/AnimationFrames.h"
#include "editor/widgets/TiledDialog.h"

#include <QTimer>

class QLabel;
class QListWidget;
class QSpinBox;

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;

// The animation maker: a list of pictures of one size, reordered, removed and previewed at a
// chosen pace, saved as a strip (BMP or JPEG, the frames side by side) or as an animated GIF.
// Opened by an element dialog it closes with 6 once a file is written; opened from the menu it
// stays open, so that one list can be saved in several forms. A save that fails says so and
// keeps the window open. Controls: ListBox1, BitBtn1 ("Nouveau"), BitBtn2 ("Supprimer"), BUp,
// BDown, Preview, Pace, OKBtn ("Créer Image"), CancelBtn.
class AnimationMakerWindow : public TiledDialog {
    Q_OBJECT
  public:
    AnimationMakerWindow(const SessionSettings& state, Prompter& prompter, bool closeOnSave,
                         QWidget* parent = nullptr);

    // "Nouveau": the pictures chosen, then addFiles.
    void addPictures();
    // Adds the pictures in order, telling why any is refused.
    void addFiles(const QStringList& hostPaths);
    void removeSelected();
    // Moves the selected picture one place earlier (-1) or later (+1).
    void moveSelected(int by);
    void create();

    const AnimationFrames& frames() const { return frames_; }
    // The file written last; empty until one is.
    QString savedPath() const { return savedPath_; }
    // The frame the preview shows.
    int previewFrame() const { return previewFrame_; }

  private:
    void refreshList(int selected);
    void showPreview();
    void stepPreview();
    // The file to write, asked for and confirmed; empty when the author gave up.
    QString chooseOutput();

    const SessionSettings& state_;
    Prompter& prompter_;
    bool closeOnSave_;
    AnimationFrames frames_;
    QString savedPath_;
    QListWidget* list_ = nullptr;
    QLabel* preview_ = nullptr;
    QSpinBox* pace_ = nullptr;
    QTimer timer_;
    int previewFrame_ = 0;
};

}  // namespace ztv::editor
