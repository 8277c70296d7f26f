// Moving the edited element, resizing it with its handles, and picking another one.
#include "common/formats/ElementKinds.h"
#include "common/platform/Prompter.h"
#include "editor/document/SessionSettings.h"
#include "editor/document/Storyboard.h"
#include "editor/position/PictureWidget.h"
#include "editor/position/TForm200.h"

namespace ztv::editor {

namespace {

constexpr int kBackgroundFixedLine = 66;
constexpr int kEmptyCellLine = 68;
constexpr int kTextFixedLine = 118;
constexpr int kFramesFixedLine = 119;
constexpr int kKeywordWidthOnlyLine = 400;

}  // namespace

void TForm200::overlayPressed(QPoint) {
    if (busy_) {
        return;
    }
    if (editedKind() == ElementKind::Background) {
        prompter_.message(state_.language.message(kBackgroundFixedLine));
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
void TForm200::overlayMoved(QPoint at) {
    if (!dragging_ || !busy_) {
        return;
    }
    dragPosition_ += at - dragAnchor_;
    dragAnchor_ = QPoint(overlay_->width() / 2, overlay_->height() / 2);
    overlay_->move(dragPosition_);
    dragMoved_ = true;
}

void TForm200::overlayReleased() {
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

bool TForm200::pressHandle(Handle h) {
    if (busy_) {
        return false;
    }
    const ElementKind kind = editedKind();
    int refusal = 0;
    if (kind == ElementKind::Background) {
        refusal = kBackgroundFixedLine;
    } else if (kind == ElementKind::Character || kind == ElementKind::Animation) {
        refusal = kFramesFixedLine;
    } else if (kind == ElementKind::Text) {
        refusal = kTextFixedLine;
    } else if (kind == ElementKind::KeywordList && h != Handle::PCG && h != Handle::PCD) {
        refusal = kKeywordWidthOnlyLine;
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

void TForm200::handleMoved(Handle h, QPoint at) {
    if (resizing_ != h) {
        return;
    }
    QWidget* handle = handles_[std::size_t(h)];
    handle->move(handle->pos() + at - handleGrab_);
}

void TForm200::dropHandle(Handle h, QPoint topLeft) {
    resizing_.reset();
    save(resizedRect(h, overlay_->geometry(), topLeft));
}

// The highest row under the point becomes the edited element.
void TForm200::pageClicked(QPoint at) {
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

void TForm200::goToCell(int row, int column) {
    const auto records = readPageFile(storyboard_.jouPath());
    for (int i = 1; records && i < records->size(); ++i) {
        const ElementRecord& r = records->at(i);
        if (r.Ligne == row && r.Colonne == column && !r.Fichier.isEmpty()) {
            jouIndex_ = i;
            loadAndRender();
            return;
        }
    }
    prompter_.message(state_.language.message(kEmptyCellLine));
}

}  // namespace ztv::editor
