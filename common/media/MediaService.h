#pragma once

#include <QImage>
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
    // Pauses and answers where to resume: a few milliseconds before the position reached.
    virtual qint64 pause(MediaDeviceId device) = 0;
    // Stops and answers the position reached.
    virtual qint64 stop(MediaDeviceId device) = 0;
    virtual qint64 position(MediaDeviceId device) = 0;
    virtual void close(MediaDeviceId device) = 0;
    virtual void setMuted(MediaDeviceId device, bool muted) = 0;
    // Where the video shows, in the player window's coordinates; an empty rectangle hides it.
    virtual void setVideoWindow(MediaDeviceId device, const QRect& rect) = 0;
    // The size the film was made at; empty for sounds.
    virtual QSize naturalSize(MediaDeviceId) { return {}; }
    // The picture the video shows now; null before its first frame and for sounds.
    virtual QImage videoFrame(MediaDeviceId) { return {}; }

    // Told on the UI thread that a device has a new frame to show.
    using FrameHandler = std::function<void(MediaDeviceId)>;
    void setFrameHandler(FrameHandler handler) { frameHandler_ = std::move(handler); }

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

    void notifyFrame(MediaDeviceId device) {
        if (frameHandler_) {
            frameHandler_(device);
        }
    }

  private:
    FrameHandler frameHandler_;
    const void* endOwner_ = nullptr;
    EndHandler endHandler_;
};

// Resuming goes back a few milliseconds, so that nothing that was cut is lost.
inline qint64 resumePosition(qint64 position) {
    return position > 3 ? position - 3 : 0;
}

// The service of a machine without a media back end: nothing opens, so nothing plays.
std::shared_ptr<MediaService> unavailableMediaService();

}  // namespace ztv
