#include "common/media/MediaService.h"

namespace ztv {
namespace {

class UnavailableMediaService final : public MediaService {
  public:
    MediaDeviceId open(const QString&) override { return 0; }
    bool setTimeFormatMs(MediaDeviceId) override { return false; }
    qint64 length(MediaDeviceId) override { return 0; }
    bool isPlaying(MediaDeviceId) override { return false; }
    bool play(MediaDeviceId, qint64, qint64, bool) override { return false; }
    qint64 pause(MediaDeviceId) override { return 0; }
    qint64 stop(MediaDeviceId) override { return 0; }
    qint64 position(MediaDeviceId) override { return 0; }
    void close(MediaDeviceId) override {}
    void setMuted(MediaDeviceId, bool) override {}
    void setVideoWindow(MediaDeviceId, const QRect&) override {}
};

}  // namespace

std::shared_ptr<MediaService> unavailableMediaService() {
    return std::make_shared<UnavailableMediaService>();
}

}  // namespace ztv
