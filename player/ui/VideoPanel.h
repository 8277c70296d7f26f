#pragma once

#include "common/media/MediaService.h"

#include <QWidget>

namespace ztv {

// The video window `VideoPanel`: borderless, black until the first picture, then the video's
// current frame scaled to the panel.
class VideoPanel : public QWidget {
    Q_OBJECT
  public:
    VideoPanel(MediaService& media, QWidget* parent);
    ~VideoPanel() override;

    // The device whose pictures show; 0 shows black.
    void setDevice(MediaDeviceId device);

  protected:
    void paintEvent(QPaintEvent* event) override;

  private:
    MediaService& media_;
    MediaDeviceId device_ = 0;
};

}  // namespace ztv
