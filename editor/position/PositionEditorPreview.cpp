// The preview: the edited element plays on the page as the player shows it, stepped by the
// preview clock, then the page comes back as it was.
#include "common/formats/ElementKinds.h"
#include "editor/document/SessionSettings.h"
#include "editor/position/AnimationPreview.h"
#include "editor/position/CharacterPreview.h"
#include "editor/position/EnginePreviews.h"
#include "editor/position/PictureWidget.h"
#include "editor/position/PositionEditor.h"
#include "editor/position/PositionPalette.h"
#include "editor/position/VideoPreview.h"
#include "player/elements/StepTiming.h"

namespace ztv::editor {

// Sounds, click zones, keyword lists and long texts have no preview; a disappearance has
// nothing to show.
bool PositionEditor::canPreview() const {
    return kindHasPreview(editedKind()) && hasEdited_ && !rendering_.isMarker(edited_.Fichier);
}

std::unique_ptr<PreviewRun> PositionEditor::makePreviewRun() {
    QImage& page = rendering_.page();
    const QRect rect = recordRect(edited_);
    switch (editedKind()) {
        case ElementKind::Video:
            return std::make_unique<VideoRun>(state_, prompter_, this, rect, edited_.Fichier);
        case ElementKind::Character:
            return std::make_unique<CharacterRun>(state_, prompter_, page, edited_);
        case ElementKind::Animation:
            return std::make_unique<AnimationRun>(state_, prompter_, page, edited_);
        case ElementKind::Panorama:
            return std::make_unique<PanoramaRun>(rendering_.host().transitions(), page, edited_,
                                                 rendering_.elementPicture(edited_, jouIndex_),
                                                 rect.topLeft());
        default:
            return std::make_unique<EngineRun>(rendering_.host(),
                                               rendering_.engineElement(edited_, jouIndex_));
    }
}

void PositionEditor::startPreview() {
    busy_ = true;
    overlay_->hide();
    hideHandles();
    previewSnapshot_ = rendering_.page().copy();
    rendering_.host().drawOn(rendering_.page(), rendering_.background());
    previewRun_ = makePreviewRun();
    page_->setPicture(rendering_.page());
    lastPreviewTick_ = -1;
    previewTimer_.start(0);
}

void PositionEditor::previewTick() {
    if (!previewRun_) {
        previewTimer_.stop();
        return;
    }
    if (previewRun_->finished()) {
        endPreview();
        return;
    }
    // At most one step a tick of the player's clock, so effects keep the pace they have when
    // the page plays; the timer then waits for the next of those ticks.
    const qint64 now = state_.clock->nowMs();
    const qint64 tick = now * steptiming::kTicksPerSecond / 1000;
    if (tick != lastPreviewTick_) {
        lastPreviewTick_ = tick;
        if (previewRun_->tick(now)) {
            page_->setPicture(rendering_.page());
        }
    }
    previewTimer_.start(int(steptiming::msToTick(now, 1)));
}

void PositionEditor::stopPreview() {
    if (previewRun_) {
        previewRun_->stop();
    }
}

void PositionEditor::endPreview() {
    previewTimer_.stop();
    previewRun_.reset();
    preview_ = false;
    rendering_.page() = previewSnapshot_;
    previewSnapshot_ = QImage();
    page_->setPicture(rendering_.page());
    overlay_->show();
    overlay_->raise();
    showHandles();
}

}  // namespace ztv::editor
