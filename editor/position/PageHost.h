#pragma once

#include "common/formats/DisplayScaling.h"
#include "common/platform/Clock.h"
#include "player/elements/ElementMessages.h"
#include "player/elements/MediaFinder.h"
#include "player/elements/PageCanvas.h"
#include "player/elements/StepScheduler.h"
#include "player/transitions/TransitionEngine.h"

#include <QImage>

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;

// The player's elements drawing into the position editor's page: the page picture is their
// canvas, the background copy their `Fond`, and the editor's media drive is theirs. The page is
// shown at the project's size, never scaled to a screen. No column plays here, and the working
// copy's media are read where they are stored.
class PageHost final : public PageCanvas,
                       public StepScheduler,
                       public ElementMessages,
                       public MediaFinder {
  public:
    PageHost(SessionSettings& state, Prompter& prompter, QImage& page, QImage& background);

    // The canvas and `Fond` the next elements draw on: the page picture and the background
    // copy, or a picture of one element with a scratch background of its own.
    void drawOn(QImage& canvas, QImage& background) {
        canvas_ = &canvas;
        background_ = &background;
    }
    // When the element that drew last asked for its next step (engine clock, ms); -1: none.
    qint64 nextStepMs() const { return nextStep_; }
    void resetSteps();

    // PageCanvas
    QImage& canvas() override { return *canvas_; }
    QImage& pageBackground() override { return *background_; }
    const DisplayGeometry& geometry() const override { return geometry_; }
    // The page is the project's own size.
    bool projetStretch() const override { return false; }
    TransitionEngine& transitions() override { return transitions_; }

    // StepScheduler
    const Clock& clock() const override;
    void setNextStep(int row, int column, qint64 timeMs) override;
    void finishSteps(int row, int column) override;

    // ElementMessages
    void tell(const QString& text) override;
    const LanguageFile& language() const override;

    // MediaFinder
    QString mediaDrive() const override;
    void resetMediaDrive() override;
    bool existsWindowsPath(const QString& windowsPath) const override;
    bool searchDrivesFor(const QString& pathWithoutDrive) override;
    QString findBesideProject(const QString& storedPath) const override;
    const DriveTable& drives() const override;

  private:
    SessionSettings& state_;
    Prompter& prompter_;
    QImage* canvas_;
    QImage* background_;
    DisplayGeometry geometry_;
    TransitionEngine transitions_;
    qint64 nextStep_ = -1;
};

}  // namespace ztv::editor
