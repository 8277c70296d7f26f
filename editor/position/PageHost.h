#pragma once

#include "common/formats/DisplayScaling.h"
#include "common/formats/PicturePrefetch.h"
#include "common/platform/Clock.h"
#include "player/elements/ElementHost.h"
#include "player/transitions/TransitionEngine.h"

#include <QImage>
#include <memory>

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;

// The player's elements drawing into the position editor's page: the page picture is their
// canvas, the background copy their `Fond`, and the editor's media drive is theirs. The page is
// shown at the project's size, never scaled to a screen.
class PageHost final : public ElementHost {
  public:
    PageHost(SessionSettings& state, Prompter& prompter, QImage& page, QImage& background);
    ~PageHost() override;

    // The canvas and `Fond` the next elements draw on: the page picture and the background
    // copy, or a picture of one element with a scratch background of its own.
    void drawOn(QImage& canvas, QImage& background) {
        canvas_ = &canvas;
        background_ = &background;
    }
    // When the element that drew last asked for its next step (engine clock, ms); -1: none.
    qint64 nextStepMs() const { return nextStep_; }
    void resetSteps();
    const Clock& clock() const override;

    QImage& canvas() override { return *canvas_; }
    QImage& fond() override { return *background_; }
    const DisplayGeometry& geometry() const override { return geometry_; }
    bool projetStretch() const override { return false; }
    TransitionEngine& transitions() override { return transitions_; }
    bool& effetInverse() override { return effetInverse_; }
    void setNextStep(int row, int column, qint64 timeMs) override;
    void finishSteps(int row, int column) override;
    void restartColumnPause() override {}
    void noteFrameDelay(int) override {}
    void tell(const QString& text) override;
    const LanguageFile& language() const override;
    QString mediaDrive() const override;
    void resetMediaDrive() override;
    bool existsWindowsPath(const QString& windowsPath) const override;
    bool searchDrivesFor(const QString& pathWithoutDrive) override;
    QString findBesideProject(const QString& storedPath) const override;
    QString driveTypeText(QChar letter) const override;
    const DriveTable& drives() const override;
    QIODevice* mediaDataFile() override { return nullptr; }
    PicturePrefetch& picturePrefetch() override { return prefetch_; }
    bool mediaPackedByPage() const override { return false; }
    // The editor plays its working copy in place: stored paths are where the media are.
    QString mediaPlaybackPath(const QString& stored, MediaKind) const override { return stored; }
    MediaPlayback& media() override;

  private:
    SessionSettings& state_;
    Prompter& prompter_;
    QImage* canvas_;
    QImage* background_;
    DisplayGeometry geometry_;
    TransitionEngine transitions_;
    PicturePrefetch prefetch_;
    bool effetInverse_ = false;
    qint64 nextStep_ = -1;
    std::unique_ptr<MediaPlayback> media_;
};

}  // namespace ztv::editor
