#pragma once

#include "editor/position/PreviewRun.h"
#include "player/transitions/TransitionEngine.h"

#include <QImage>
#include <QPoint>
#include <memory>

namespace ztv {
class Element;
struct ElementRecord;
}  // namespace ztv

namespace ztv::editor {

class PageHost;

// Backgrounds, pictures and texts: the player's own element appears on the page, stepped when
// it asks.
class EngineRun final : public PreviewRun {
  public:
    EngineRun(PageHost& host, std::unique_ptr<Element> element);
    ~EngineRun() override;

    bool tick(qint64 nowMs) override;
    bool finished() const override;
    void stop() override { stopped_ = true; }

  private:
    PageHost& host_;
    std::unique_ptr<Element> element_;
    bool stopped_ = false;
};

// The panorama: its picture comes in by its effect through the transition engine, one step of
// `Vitesse` / 10 percent every 100 / `Vitesse` milliseconds.
class PanoramaRun final : public TimedRun {
  public:
    PanoramaRun(TransitionEngine& transitions, QImage& page, const ElementRecord& record,
                QImage picture, QPoint at);

    bool finished() const override { return stopped_ || state_.finished; }
    void stop() override { stopped_ = true; }

  private:
    void step() override;
    qint64 delayMs() const override;

    TransitionEngine& transitions_;
    QImage& page_;
    QImage picture_;
    QPoint at_;
    int vitesse_;
    TransitionState state_;
    bool stopped_ = false;
};

}  // namespace ztv::editor
