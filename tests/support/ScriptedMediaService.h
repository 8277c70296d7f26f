#pragma once

#include "common/media/MediaService.h"

#include <QMap>
#include <QStringList>

namespace ztv::test {

// A media service that plays nothing and keeps time by the script: a test opens, plays and
// ends media by hand ("the sound ends now") and reads what the engine asked for.
class ScriptedMediaService final : public MediaService {
  public:
    // Files whose name ends like this do not open (device 0).
    void refuse(const QString& suffix) { refused_.append(suffix); }

    MediaDeviceId open(const QString& hostPath) override;
    bool setTimeFormatMs(MediaDeviceId device) override { return known(device); }
    qint64 length(MediaDeviceId device) override { return known(device) ? 60000 : 0; }
    bool isPlaying(MediaDeviceId device) override;
    bool play(MediaDeviceId device, qint64 fromMs, qint64 toMs, bool notify) override;
    qint64 pause(MediaDeviceId device) override;
    qint64 stop(MediaDeviceId device) override;
    qint64 position(MediaDeviceId device) override;
    void close(MediaDeviceId device) override;
    void setMuted(MediaDeviceId device, bool muted) override;
    void setVideoWindow(MediaDeviceId device, const QRect& rect) override;

    // The play of the device reaches its end: the engine hears of it when it asked to.
    void finish(MediaDeviceId device);
    // The device of the last file opened with this name; 0 when none is open.
    MediaDeviceId deviceOf(const QString& fileName) const;
    bool isMuted(MediaDeviceId device) const { return devices_.value(device).muted; }
    QRect videoWindow(MediaDeviceId device) const { return devices_.value(device).window; }
    // What was asked, in order: "open NAME", "play NAME FROM TO", "pause NAME", "close NAME"...
    const QStringList& calls() const { return calls_; }

  private:
    struct Device {
        QString name;
        bool open = false;
        bool playing = false;
        bool notify = false;
        bool muted = false;
        qint64 position = 0;
        qint64 end = 0;
        QRect window;
    };

    bool known(MediaDeviceId device) const { return devices_.value(device).open; }

    QMap<MediaDeviceId, Device> devices_;
    QStringList refused_;
    QStringList calls_;
    MediaDeviceId next_ = 1;
};

}  // namespace ztv::test
