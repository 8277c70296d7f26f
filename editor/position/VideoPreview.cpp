#include "editor/position/VideoPreview.h"

#include "editor/document/SessionSettings.h"
#include "player/ui/VideoPanel.h"

namespace ztv::editor {

VideoRun::VideoRun(SessionSettings& state, Prompter& prompter, QWidget* window, const QRect& rect,
                   const QString& fichier)
    : state_(state), media_(state, prompter) {
    if (!media_.open(fichier, QStringLiteral("video1 posi"))) {
        return;
    }
    device_ = state_.mediaDevice;
    panel_ = new VideoPanel(*state_.media, window);
    panel_->setObjectName(QStringLiteral("Panel1"));
    panel_->setGeometry(rect);
    panel_->setDevice(device_);
    panel_->show();
    panel_->raise();
    if (!media_.play(rect, false, 0, 0)) {
        stop();
    }
}

VideoRun::~VideoRun() {
    stop();
    delete panel_;
}

bool VideoRun::finished() const {
    return device_ == 0 || state_.mediaDevice != device_ || !media_.playing();
}

void VideoRun::stop() {
    if (device_ != 0 && state_.mediaDevice == device_) {
        media_.close();
    }
    device_ = 0;
}

}  // namespace ztv::editor
