#pragma once

#include <QRect>
#include <QString>
#include <cstdint>
#include <functional>
#include <memory>

namespace ztv {

// A media device: one open sound or video. 0 is no device.
using MediaDeviceId = std::uint16_t;

// The media operations the player needs from the platform: open a file, play a range in
// milliseconds with a notification at its end, pause, stop, position, mute, a video window.
// The engine owns one service and calls it from the UI thread; end notifications come back on
// that thread through the handler.
class MediaService {
  public:
    // device, and whether the play was aborted rather than played to its end.
    using EndHandler = std::function<void(MediaDeviceId, bool aborted)>;

    virtual ~MediaService() = default;

    // Opens a file (host path); 0 when no device can play it.
    virtual MediaDeviceId open(const QString& hostPath) = 0;
    // Positions are milliseconds from now on.
    virtual bool setTimeFormatMs(MediaDeviceId device) = 0;
    virtual qint64 length(MediaDeviceId device) = 0;
    virtual bool isPlaying(MediaDeviceId device) = 0;
    // Plays from `fromMs` to `toMs` (to the end when toMs <= fromMs); with notify, the end
    // handler hears of the end. False when the device cannot play.
    virtual bool play(MediaDeviceId device, qint64 fromMs, qint64 toMs, bool notify) = 0;
    // Pauses and answers the position reached.
    virtual qint64 pause(MediaDeviceId device) = 0;
    // Stops and answers the position reached.
    virtual qint64 stop(MediaDeviceId device) = 0;
    virtual qint64 position(MediaDeviceId device) = 0;
    virtual void close(MediaDeviceId device) = 0;
    virtual void setMuted(MediaDeviceId device, bool muted) = 0;
    // Where the video shows, in the player window's coordinates; an empty rectangle hides it.
    virtual void setVideoWindow(MediaDeviceId device, const QRect& rect) = 0;

    // One listener at a time; owner identifies it so that a listener that goes away removes
    // only its own handler.
    void setEndHandler(const void* owner, EndHandler handler) {
        endOwner_ = owner;
        endHandler_ = std::move(handler);
    }
    void clearEndHandler(const void* owner) {
        if (endOwner_ == owner) {
            endOwner_ = nullptr;
            endHandler_ = nullptr;
        }
    }

  protected:
    // For implementations: a play with notification has ended.
    void notifyEnd(MediaDeviceId device, bool aborted) {
        if (endHandler_) {
            endHandler_(device, aborted);
        }
    }

  private:
    const void* endOwner_ = nullptr;
    EndHandler endHandler_;
};

// The service of a machine without a media back end: nothing opens, so nothing plays.
std::shared_ptr<MediaService> unavailableMediaService();

}  // namespace ztv
