#pragma once

#include "common/media/MediaService.h"

#include <QWidget>

namespace ztv {

// The video window `PanelVideo`: borderless, black until the first picture, then the video's
// current frame scaled to the panel.
class PanelVideo : public QWidget {
    Q_OBJECT
  public:
    PanelVideo(MediaService& media, QWidget* parent);
    ~PanelVideo() override;

    // The device whose pictures show; 0 shows black.
    void setDevice(MediaDeviceId device);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    MediaService& media_;
    MediaDeviceId device_ = 0;
};

}  // namespace ztv
