#pragma once

#include "editor/position/PreviewRun.h"
#include "editor/widgets/PanelMedia.h"

#include <QPointer>
#include <QRect>

class QWidget;

namespace ztv {
class VideoPanel;
class Prompter;
}  // namespace ztv

namespace ztv::editor {

struct SessionSettings;

// The film plays through the editor's media device in a panel over the element's rectangle,
// until its end or until it is closed.
class VideoRun final : public PreviewRun {
  public:
    VideoRun(SessionSettings& state, Prompter& prompter, QWidget* window, const QRect& rect,
             const QString& fichier);
    ~VideoRun() override;

    // The film draws itself in its panel, never on the page.
    bool tick(qint64) override { return false; }
    bool finished() const override;
    // Closes the film.
    void stop() override;

  private:
    SessionSettings& state_;
    PanelMedia media_;
    MediaDeviceId device_ = 0;
    QPointer<VideoPanel> panel_;
};

}  // namespace ztv::editor
