#pragma once

#include "common/formats/ElementKinds.h"
#include "common/formats/ElementRecord.h"
#include "editor/position/CellRecords.h"
#include "editor/position/HandleGeometry.h"
#include "editor/position/PageRendering.h"
#include "editor/position/PositionPalette.h"
#include "editor/position/PreviewRun.h"

#include <QDialog>
#include <QPointer>
#include <QTimer>
#include <array>
#include <memory>
#include <optional>

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;
class PictureWidget;
class Storyboard;

// The position editor: the page as the player shows it when the edited element comes on
// screen, the element on top with eight handles, and the "Positions" palette. Every change is
// written into the page's .JOU file at once; closing asks whether to keep them, which copies
// the .JOU file over the .ACT file, or drops them.
class PositionEditor : public QDialog {
    Q_OBJECT
  public:
    // jouIndex: the record of the .JOU file to edit; preview: play its appearance first.
    PositionEditor(SessionSettings& state, Prompter& prompter, Storyboard& storyboard, int jouIndex,
                   bool preview, QWidget* parent = nullptr);
    ~PositionEditor() override;

    // Something was written into the .JOU file and the author kept it.
    bool positionsChanged() const { return positionsChanged_; }
    int editedIndex() const { return jouIndex_; }
    int editedRow() const { return edited_.Ligne; }
    QRect elementRect() const;
    const QImage& pagePicture() const { return rendering_.page(); }
    QWidget* overlay() const;
    QWidget* handle(Handle h) const;
    QWidget* page() const;
    PositionPalette* positionsPalette() const { return palette_; }
    bool busy() const { return busy_; }
    bool previewing() const { return previewTimer_.isActive(); }

    // A handle pressed: false, after its message, when the element cannot be resized so.
    bool pressHandle(Handle h);
    // The pressed handle dropped with its top-left corner at the point: the element resized.
    void dropHandle(Handle h, QPoint topLeft);
    // One tick of the preview clock.
    void previewTick();

  protected:
    void showEvent(QShowEvent* event) override;
    void keyPressEvent(QKeyEvent* event) override;
    void done(int result) override;

  private:
    // --- loading and showing (PositionEditor.cpp) ---
    void activate();
    void loadAndRender();
    void showElement();
    void showHandles();
    ElementKind editedKind() const { return kindOfRow(edited_.Ligne); }
    // Where the element shows: an animation's arrival while that is shown.
    QPoint elementPosition() const;
    bool arrivalShown() const;
    void hideHandles();
    void openPalette();
    void closePalette();
    void placePalette();
    void buildHandles();

    // --- mouse (PositionEditorMouse.cpp) ---
    void overlayPressed(QPoint at);
    void overlayMoved(QPoint at);
    void overlayReleased();
    void handleMoved(Handle h, QPoint at);
    void pageClicked(QPoint at);
    void goToCell(int row, int column);

    // --- saving, keys and closing (PositionEditorSave.cpp) ---
    void save(const QRect& rect);
    // "Modifier"; wholePage: the page is drawn again after the save, not just the element.
    void applyPalette(bool wholePage = false);
    void paletteTextLook();
    void paletteEffect();
    void toggleArrival();
    void applyArrival();
    void requestClose();
    bool closeAllowed();
    void confirmOrDrop();

    // --- preview (PositionEditorPreview.cpp) ---
    bool canPreview() const;
    void startPreview();
    std::unique_ptr<PreviewRun> makePreviewRun();
    void stopPreview();
    void endPreview();

    SessionSettings& state_;
    Prompter& prompter_;
    Storyboard& storyboard_;
    CellRecords records_;
    PageRendering rendering_;
    int jouIndex_;
    ElementRecord edited_;
    bool hasEdited_ = false;

    PictureWidget* page_ = nullptr;
    PictureWidget* overlay_ = nullptr;
    std::array<PictureWidget*, 8> handles_{};
    QPointer<PositionPalette> palette_;

    bool activated_ = false;
    bool busy_ = false;
    bool dragging_ = false;
    bool dragMoved_ = false;
    QPoint dragPosition_;
    QPoint dragAnchor_;  // (0, 0) until the first move: the corner goes to the pointer
    QPoint handleGrab_;
    std::optional<Handle> resizing_;
    bool positionsChanged_ = false;
    // The .JOU file as the editor found it: closing asks only when it is no longer so.
    QByteArray jouAtOpen_;
    bool fullRedraw_ = false;
    bool preview_ = false;
    bool paletteValues_ = false;
    bool closing_ = false;
    bool arrivalShown_ = false;

    QTimer previewTimer_;
    qint64 lastPreviewTick_ = -1;
    QImage previewSnapshot_;
    std::unique_ptr<PreviewRun> previewRun_;
};

// Opens the position editor modally on the .JOU record; true when the author kept the new
// positions.
bool runPositionEditor(SessionSettings& state, Prompter& prompter, Storyboard& storyboard,
                       int jouIndex, bool preview, QWidget* parent);

}  // namespace ztv::editor
