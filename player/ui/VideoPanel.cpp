#include "player/ui/VideoPanel.h"

#include <QPainter>

namespace ztv {

VideoPanel::VideoPanel(MediaService& media, QWidget* parent) : QWidget(parent), media_(media) {
    setAttribute(Qt::WA_OpaquePaintEvent);
    // Clicks reach the engine's window beneath, as they do over any element.
    setAttribute(Qt::WA_TransparentForMouseEvents);
    media_.setFrameHandler([this](MediaDeviceId device) {
        if (device == device_ && isVisible()) {
            update();
        }
    });
}

VideoPanel::~VideoPanel() {
    media_.setFrameHandler(nullptr);
}

void VideoPanel::setDevice(MediaDeviceId device) {
    if (device != device_) {
        device_ = device;
        update();
    }
}

void VideoPanel::paintEvent(QPaintEvent*) {
    QPainter painter(this);
    const QImage frame = device_ != 0 ? media_.videoFrame(device_) : QImage();
    if (frame.isNull()) {
        painter.fillRect(rect(), Qt::black);
    } else {
        painter.setRenderHint(QPainter::SmoothPixmapTransform);
        painter.drawImage(rect(), frame);
    }
}

}  // namespace ztv
