// The preview: the edited element appears on the page by the player's own element and
// transition engine, stepped by the preview clock, then the page comes back as it was.
#include "common/ElementKinds.h"
#include "common/LangLines.h"
#include "editor/EditorState.h"
#include "editor/position/PictureWidget.h"
#include "editor/position/TForm200.h"

namespace ztv::editor {

// The kinds the player's engine draws; a disappearance has nothing to show.
bool TForm200::canPreview() const {
    const ElementKind kind = kindOfRow(row_);
    return hasEdited_ &&
           (kind == ElementKind::Background || kind == ElementKind::Picture ||
            kind == ElementKind::Text) &&
           edited_.Fichier != state_.text(lang::MarkerDisappear) &&
           edited_.Fichier != state_.text(lang::MarkerBackgroundDisappear);
}

void TForm200::startPreview() {
    busy_ = true;
    overlay_->hide();
    hideHandles();
    previewSnapshot_ = rendering_.page().copy();
    PageHost& host = rendering_.host();
    host.drawOn(rendering_.page(), rendering_.background());
    host.resetSteps();
    previewElement_ = rendering_.engineElement(edited_, jouIndex_);
    previewElement_->Preparer();
    previewElement_->Afficher();
    previewStop_ = false;
    page_->setPicture(rendering_.page());
    previewTimer_.start();
}

void TForm200::previewTick() {
    if (!previewElement_) {
        previewTimer_.stop();
        return;
    }
    if (previewStop_ || previewElement_->transitionFinie() ||
        previewElement_->liberationDemandee()) {
        endPreview();
        return;
    }
    PageHost& host = rendering_.host();
    if (host.nextStepMs() > host.clock().nowMs()) {
        return;
    }
    previewElement_->Avancer();
    page_->setPicture(rendering_.page());
}

void TForm200::stopPreview() {
    previewStop_ = true;
}

void TForm200::endPreview() {
    previewTimer_.stop();
    previewElement_.reset();
    preview_ = false;
    rendering_.page() = previewSnapshot_;
    previewSnapshot_ = QImage();
    page_->setPicture(rendering_.page());
    overlay_->show();
    overlay_->raise();
    showHandles();
}

}  // namespace ztv::editor
