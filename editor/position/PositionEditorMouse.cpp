// Moving the edited element, resizing it with its handles, and picking another one.
#include "common/formats/ElementKinds.h"
#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/Storyboard.h"
#include "editor/position/PictureWidget.h"
#include "editor/position/PositionEditor.h"

namespace ztv::editor {

void PositionEditor::overlayPressed(QPoint) {
    if (busy_) {
        return;
    }
    if (editedKind() == ElementKind::Background) {
        prompter_.message(state_.language.message(lang::BackgroundFixed));
        return;
    }
    busy_ = true;
    hideHandles();
    closePalette();
    dragging_ = true;
    dragMoved_ = false;
    dragPosition_ = overlay_->pos();
}

// The first move puts the corner the anchor names under the pointer; from then on the anchor is
// the element's centre, which follows the pointer.
void PositionEditor::overlayMoved(QPoint at) {
    if (!dragging_ || !busy_) {
        return;
    }
    dragPosition_ += at - dragAnchor_;
    dragAnchor_ = QPoint(overlay_->width() / 2, overlay_->height() / 2);
    overlay_->move(dragPosition_);
    dragMoved_ = true;
}

void PositionEditor::overlayReleased() {
    if (!dragging_) {
        return;
    }
    dragging_ = false;
    if (!dragMoved_) {
        showHandles();
        return;
    }
    save(QRect(dragPosition_, overlay_->size()));
}

bool PositionEditor::pressHandle(Handle h) {
    if (busy_) {
        return false;
    }
    const ElementKind kind = editedKind();
    int refusal = 0;
    if (kind == ElementKind::Background) {
        refusal = lang::BackgroundFixed;
    } else if (kind == ElementKind::Character || kind == ElementKind::Animation) {
        refusal = lang::FramesSizeFixed;
    } else if (kind == ElementKind::Text) {
        refusal = lang::TextSizeFixed;
    } else if (kind == ElementKind::KeywordList && h != Handle::PCG && h != Handle::PCD) {
        refusal = lang::KeywordListWidthOnly;
    }
    if (refusal != 0) {
        prompter_.message(state_.language.message(refusal));
        return false;
    }
    if (kind == ElementKind::Panorama) {
        fullRedraw_ = true;
    }
    busy_ = true;
    closePalette();
    resizing_ = h;
    return true;
}

void PositionEditor::handleMoved(Handle h, QPoint at) {
    if (resizing_ != h) {
        return;
    }
    QWidget* handle = handles_[std::size_t(h)];
    handle->move(handle->pos() + at - handleGrab_);
}

void PositionEditor::dropHandle(Handle h, QPoint topLeft) {
    resizing_.reset();
    save(resizedRect(h, overlay_->geometry(), topLeft));
}

// The highest row under the point becomes the edited element.
void PositionEditor::pageClicked(QPoint at) {
    if (busy_) {
        return;
    }
    busy_ = true;
    closePalette();
    const int row = rendering_.hitRow(at);
    if (row == 0) {
        if (hasEdited_) {
            showHandles();
        } else {
            busy_ = false;
        }
        return;
    }
    jouIndex_ = rendering_.row(row).jouIndex;
    loadAndRender();
}

void PositionEditor::goToCell(int row, int column) {
    const auto records = readPageFile(storyboard_.jouPath());
    for (int i = 1; records && i < records->size(); ++i) {
        const ElementRecord& r = records->at(i);
        if (r.Ligne == row && r.Colonne == column && !r.Fichier.isEmpty()) {
            jouIndex_ = i;
            loadAndRender();
            return;
        }
    }
    prompter_.message(state_.language.message(lang::NothingToPlace));
}

}  // namespace ztv::editor
