#pragma once

#include "common/media/MediaService.h"
#include "common/media/SoundOutput.h"

#include <QByteArray>
#include <QObject>
#include <map>
#include <memory>
#include <optional>

typedef struct _GstMessage GstMessage;

namespace ztv {

// The media service on GStreamer: one playbin per device. A play is a flushing, accurate seek
// with a stop position; its end is the end of stream, heard when the last sample has been
// played. Bus messages and video frames reach the UI thread through its event loop.
class GstMediaService final : public MediaService {
  public:
    enum class AudioOutput {
        System,  // the desktop's sound output
        Fake,    // a clock-synchronised sink that plays nothing: real timing, no sound
    };
    // ZTV_AUDIO=fake selects the fake output.
    static AudioOutput audioOutputOfEnvironment();

    // The system output is looked for in `places`.
    explicit GstMediaService(AudioOutput audio = audioOutputOfEnvironment(),
                             SoundOutputPlaces places = systemSoundOutputPlaces());
    ~GstMediaService() override;
    GstMediaService(const GstMediaService&) = delete;
    GstMediaService& operator=(const GstMediaService&) = delete;

    AudioOutput audioOutput() const { return audio_; }
    // False when GStreamer itself could not start: nothing opens then.
    bool available() const { return available_; }
    // "A sound card is present": the desktop's sound output really opens (the fake output
    // always does).
    bool audioOutputOpens();

    MediaDeviceId open(const QString& hostPath) override;
    bool setTimeFormatMs(MediaDeviceId device) override;
    qint64 length(MediaDeviceId device) override;
    QSize naturalSize(MediaDeviceId device) override;
    bool isPlaying(MediaDeviceId device) override;
    bool play(MediaDeviceId device, qint64 fromMs, qint64 toMs, bool notify) override;
    qint64 pause(MediaDeviceId device) override;
    qint64 stop(MediaDeviceId device) override;
    qint64 position(MediaDeviceId device) override;
    void close(MediaDeviceId device) override;
    void setMuted(MediaDeviceId device, bool muted) override;
    void setVideoWindow(MediaDeviceId device, const QRect& rect) override;
    QImage videoFrame(MediaDeviceId device) override;

    struct Device;

  private:
    const QByteArray& audioSinkName();
    Device* find(MediaDeviceId device) const;
    MediaDeviceId nextId();
    void readMessage(MediaDeviceId device, const QString& path, GstMessage* message, unsigned play);
    void takeFrame(MediaDeviceId device);
    void endPlay(MediaDeviceId device);

    bool available_ = false;
    AudioOutput audio_;
    SoundOutputPlaces places_;
    // The sink every device's sound goes through, chosen at the first need rather than tried
    // again at every open.
    std::optional<QByteArray> audioSink_;
    std::map<MediaDeviceId, std::unique_ptr<Device>> devices_;
    MediaDeviceId last_ = 0;
    // Streaming threads post their news here; it runs them on the UI thread.
    QObject receiver_;
};

}  // namespace ztv
