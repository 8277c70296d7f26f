// Saving each change into the .JOU file, the keys, and keeping or dropping the changes at the
// end.
#include "common/formats/LangLines.h"
#include "common/platform/FileIo.h"
#include "common/platform/Prompter.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/Storyboard.h"
#include "editor/document/UndoSnapshot.h"
#include "editor/position/ElementPlacement.h"
#include "editor/position/PictureWidget.h"
#include "editor/position/PositionEditor.h"
#include "editor/position/PositionPalette.h"

#include <QKeyEvent>

namespace ztv::editor {

// The rectangle, as the player accepts it, goes into every record of the cell; the palette's
// values too when one of its buttons asked.
void PositionEditor::save(const QRect& wanted) {
    busy_ = true;
    const QRect rect = playableRect(wanted);
    // Closing the palette only hides it until this call returns: its values can still be read.
    PositionPalette* palette = paletteValues_ ? palette_.data() : nullptr;
    paletteValues_ = false;
    // An animation's arrival moves as text in its record; its first position stays.
    const bool arrival = arrivalShown();
    const QRect first =
        arrival ? reachableRect(edited_.Gauche, edited_.Haut, rect.width(), rect.height()) : rect;
    const auto change = [palette, arrival, rect](ElementRecord& r) {
        if (palette) {
            palette->applyValues(r);
        }
        if (arrival) {
            r.sensdegra = QString::number(rect.left());
            r.style = QString::number(rect.top());
        }
    };
    closePalette();
    storyboard_.setDefaultRect(edited_.Ligne, first);
    QString error;
    if (!writePlacement(storyboard_.jouPath(), edited_.Ligne, edited_.Colonne, first, change,
                        state_.language, &error)) {
        prompter_.message(state_.text(lang::PositionsNotWritten) + u'\n' + error);
        showElement();
        return;
    }
    positionsChanged_ = true;
    if (fullRedraw_) {
        fullRedraw_ = false;
        loadAndRender();
        return;
    }
    if (const auto records = readPageFile(storyboard_.jouPath());
        records && jouIndex_ < records->size()) {
        edited_ = records->at(jouIndex_);
    }
    showElement();
}

void PositionEditor::applyPalette(bool wholePage) {
    if (busy_ || !palette_) {
        return;
    }
    const auto rect = palette_->rect();
    if (!rect) {
        return;
    }
    fullRedraw_ = fullRedraw_ || wholePage;
    paletteValues_ = true;
    overlay_->setGeometry(*rect);
    save(*rect);
}

// A text's new font, colour or spacing gives it a new size; the whole page is drawn again, since
// the text may now cover more or less of it.
void PositionEditor::paletteTextLook() {
    if (busy_ || !palette_) {
        return;
    }
    palette_->remeasureText();
    applyPalette(true);
}

void PositionEditor::applyArrival() {
    if (busy_ || !palette_ || !arrivalShown()) {
        return;
    }
    const auto at = palette_->arrival();
    if (!at) {
        return;
    }
    paletteValues_ = true;
    save(reachableRect(at->x(), at->y(), overlay_->width(), overlay_->height()));
}

// "Voir arrivée" and back: the overlay goes to the animation's other position.
void PositionEditor::toggleArrival() {
    if (busy_) {
        return;
    }
    arrivalShown_ = !arrivalShown_;
    overlay_->move(elementPosition());
    showHandles();
}

// "Voir effet": the element is placed as the palette says and its appearance replays.
void PositionEditor::paletteEffect() {
    if (busy_ || !palette_ || !canPreview()) {
        return;
    }
    const auto rect = palette_->rect();
    if (!rect) {
        return;
    }
    preview_ = true;
    fullRedraw_ = true;
    arrivalShown_ = false;
    paletteValues_ = true;
    save(*rect);
}

void PositionEditor::keyPressEvent(QKeyEvent* event) {
    QPoint step;
    switch (event->key()) {
        case Qt::Key_Escape:
            if (previewing()) {
                stopPreview();
            } else if (!busy_) {
                requestClose();
            }
            return;
        case Qt::Key_Left:
            step = {-1, 0};
            break;
        case Qt::Key_Right:
            step = {1, 0};
            break;
        case Qt::Key_Up:
            step = {0, -1};
            break;
        case Qt::Key_Down:
            step = {0, 1};
            break;
        default:
            QDialog::keyPressEvent(event);
            return;
    }
    if (!busy_ && palette_) {
        palette_->nudge(step.x(), step.y());
        if (arrivalShown()) {
            applyArrival();
        } else {
            applyPalette();
        }
    }
}

void PositionEditor::requestClose() {
    closePalette();
    reject();
}

bool PositionEditor::closeAllowed() {
    if (previewing()) {
        stopPreview();
        return false;
    }
    return true;
}

void PositionEditor::done(int result) {
    if (closing_ || !closeAllowed()) {
        return;
    }
    closing_ = true;
    closePalette();
    confirmOrDrop();
    QDialog::done(result);
}

// Kept: the .JOU file becomes the .ACT file, after the undo snapshot. In every case the .JOU
// file is made again from the .ACT file, which drops what was not kept.
void PositionEditor::confirmOrDrop() {
    if (state_.closePlayerPreview) {
        state_.closePlayerPreview();
    }
    // Saves that put back what was there (an effect replayed, an element dropped where it lay)
    // leave nothing to keep.
    if (positionsChanged_ &&
        readWhole(storyboard_.jouPath()).value_or(QByteArray()) == jouAtOpen_) {
        positionsChanged_ = false;
    }
    if (positionsChanged_) {
        if (prompter_.ask(state_.text(lang::KeepPositionsQuestion), QString(),
                          Prompter::Buttons::OkCancel) == Prompter::Ok) {
            QString error;
            if (takeUndoSnapshot(storyboard_, &error) &&
                storyboard_.replaceActWith(storyboard_.jouPath(), &error)) {
                if (state_.positionsKept) {
                    state_.positionsKept();
                }
            } else {
                prompter_.message(state_.text(lang::PositionsNotWritten) + u'\n' + error);
                positionsChanged_ = false;
            }
        } else {
            positionsChanged_ = false;
        }
    }
    records_.rebuildDefaultRects();
    if (!storyboard_.regenerate()) {
        prompter_.message(state_.language.message(lang::PageFilesNotWritten));
    }
}

}  // namespace ztv::editor
