// GLib's headers come before Qt's: Qt's keyword macros would otherwise rewrite them.
#include <gst/app/gstappsink.h>
#include <gst/gst.h>
#include <gst/pbutils/missing-plugins.h>
#include <gst/video/video-info.h>

#include "common/media/GstMediaService.h"

#include "common/media/SoundOutput.h"
#include "common/platform/SafetyLimits.h"

#include <QFileInfo>
#include <QMetaObject>
#include <algorithm>
#include <atomic>
#include <functional>

namespace ztv {
namespace {

constexpr GstClockTime kPrerollTimeout = 10 * GST_SECOND;
// playbin's flags: video, audio, software volume (mute); no subtitles.
constexpr guint kPlayFlags = 0x1 | 0x2 | 0x10;

qint64 toMs(gint64 ns) {
    return ns < 0 ? 0 : ns / GST_MSECOND;
}

using MessageRef = std::shared_ptr<GstMessage>;

// What a streaming thread needs to find its way back to the UI thread.
struct Link {
    QObject* receiver;
    // A message, and the play that was current when it was posted.
    std::function<void(GstMessage*, unsigned play)> busNews;
    std::function<void()> frameNews;
    // Counts the plays, so that news of an earlier play never ends a later one.
    std::atomic<unsigned> play{0};
};

// The message itself travels to the UI thread: the bus queues a passed message only after this
// handler returns, so a UI thread that went to read it there could come too early and lose it.
GstBusSyncReply onBusMessage(GstBus*, GstMessage* message, gpointer data) {
    switch (GST_MESSAGE_TYPE(message)) {
        case GST_MESSAGE_EOS:
        case GST_MESSAGE_ERROR:
        case GST_MESSAGE_ELEMENT: {
            const Link* link = static_cast<const Link*>(data);
            const MessageRef held(gst_message_ref(message),
                                  [](GstMessage* m) { gst_message_unref(m); });
            QMetaObject::invokeMethod(
                link->receiver,
                [news = link->busNews, held, play = link->play.load()] { news(held.get(), play); },
                Qt::QueuedConnection);
            return GST_BUS_DROP;
        }
        default:
            return GST_BUS_DROP;
    }
}

GstFlowReturn onSample(GstAppSink*, gpointer data) {
    const Link* link = static_cast<const Link*>(data);
    QMetaObject::invokeMethod(link->receiver, link->frameNews, Qt::QueuedConnection);
    return GST_FLOW_OK;
}

// A copy of a BGRx sample as a 32-bit picture.
QImage imageOf(GstSample* sample) {
    GstVideoInfo info;
    GstBuffer* buffer = gst_sample_get_buffer(sample);
    if (!buffer || !gst_video_info_from_caps(&info, gst_sample_get_caps(sample))) {
        return {};
    }
    GstMapInfo map;
    if (!gst_buffer_map(buffer, &map, GST_MAP_READ)) {
        return {};
    }
    QImage image;
    const int stride = GST_VIDEO_INFO_PLANE_STRIDE(&info, 0);
    if (gsize(stride) * gsize(GST_VIDEO_INFO_HEIGHT(&info)) <= map.size) {
        image = QImage(map.data, GST_VIDEO_INFO_WIDTH(&info), GST_VIDEO_INFO_HEIGHT(&info), stride,
                       QImage::Format_RGB32)
                    .copy();
    }
    gst_buffer_unmap(buffer, &map);
    return image;
}

// Writes what GStreamer says went wrong, naming a missing decoder when it knows one.
void report(const QString& path, GstMessage* message) {
    if (GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR) {
        GError* error = nullptr;
        gchar* debug = nullptr;
        gst_message_parse_error(message, &error, &debug);
        qWarning("ztvplay: %s: %s (%s)", qPrintable(path), error ? error->message : "error",
                 debug ? debug : "");
        g_clear_error(&error);
        g_free(debug);
    } else if (gst_is_missing_plugin_message(message)) {
        gchar* what = gst_missing_plugin_message_get_description(message);
        qWarning("ztvplay: %s: no decoder installed for %s", qPrintable(path), what);
        g_free(what);
    }
}

// The sink a clock-synchronised silence goes to: real timing, no sound.
constexpr char kSilentSink[] = "fakesink";

// Whether a sink of that kind opens its output here.
bool sinkOpens(const char* name) {
    GstElement* sink = gst_element_factory_make(name, nullptr);
    if (!sink) {
        return false;
    }
    gst_object_ref_sink(sink);
    const bool opens = gst_element_set_state(sink, GST_STATE_READY) == GST_STATE_CHANGE_SUCCESS;
    gst_element_set_state(sink, GST_STATE_NULL);
    gst_object_unref(sink);
    return opens;
}

// The desktop's output: its sound server when one answers, else an ALSA device the kernel
// lists, else the silent stand-in. Only outputs that fail quietly are tried: the automatic sink
// would go on to OpenAL, which writes its failure on the terminal.
QByteArray desktopAudioSink(const SoundOutputPlaces& places) {
    if (sinkOpens("pulsesink")) {
        return "pulsesink";
    }
    if (alsaPlaybackPresent(places) && sinkOpens("alsasink")) {
        return "alsasink";
    }
    return kSilentSink;
}

// A new sink of that kind; the silent one keeps the medium's time.
GstElement* makeAudioSink(const QByteArray& name) {
    GstElement* sink = gst_element_factory_make(name.constData(), nullptr);
    if (sink && name == kSilentSink) {
        g_object_set(sink, "sync", TRUE, nullptr);
    }
    return sink;
}

// The last frame only, in time, handed to the link. A frame larger than any screen is scaled
// down before it reaches us: a video's stated size is the file's word, and each frame is copied
// once more into a picture.
void setUpFrameSink(GstElement* appsink, Link* link) {
    static const QByteArray frameCaps =
        QStringLiteral("video/x-raw,format=BGRx,width=[1,%1],height=[1,%1]")
            .arg(limits::kMaxVideoFrameSide)
            .toLatin1();
    GstCaps* caps = gst_caps_from_string(frameCaps.constData());
    // The end of the film does not wait for its last picture to be taken.
    g_object_set(appsink, "caps", caps, "max-buffers", 1, "drop", TRUE, "sync", TRUE, "wait-on-eos",
                 FALSE, nullptr);
    gst_caps_unref(caps);
    GstAppSinkCallbacks callbacks{};
    callbacks.new_preroll = onSample;
    callbacks.new_sample = onSample;
    gst_app_sink_set_callbacks(GST_APP_SINK(appsink), &callbacks, link, nullptr);
}

bool prerolled(GstElement* pipeline) {
    return gst_element_set_state(pipeline, GST_STATE_PAUSED) != GST_STATE_CHANGE_FAILURE &&
           gst_element_get_state(pipeline, nullptr, nullptr, kPrerollTimeout) ==
               GST_STATE_CHANGE_SUCCESS;
}

}  // namespace

struct GstMediaService::Device {
    QString path;
    GstElement* playbin = nullptr;
    GstElement* appsink = nullptr;  // owned by playbin
    Link link;
    bool playing = false;
    bool notify = false;
    bool broken = false;  // an error stopped the pipeline: it prerolls again before a play
    bool atStart = true;  // prerolled at the start, never played: no seek is needed from there
    QRect window;
    QImage frame;

    ~Device() {
        if (playbin) {
            gst_element_set_state(playbin, GST_STATE_NULL);
            GstBus* bus = gst_element_get_bus(playbin);
            gst_bus_set_sync_handler(bus, nullptr, nullptr, nullptr);
            gst_object_unref(bus);
            gst_object_unref(playbin);
        }
    }
    qint64 positionMs() const {
        gint64 ns = 0;
        return gst_element_query_position(playbin, GST_FORMAT_TIME, &ns) ? toMs(ns) : 0;
    }
    qint64 lengthMs() const {
        gint64 ns = 0;
        return gst_element_query_duration(playbin, GST_FORMAT_TIME, &ns) ? toMs(ns) : 0;
    }
};

GstMediaService::AudioOutput GstMediaService::audioOutputOfEnvironment() {
    return qEnvironmentVariable("ZTV_AUDIO") == QStringLiteral("fake") ? AudioOutput::Fake
                                                                       : AudioOutput::System;
}

GstMediaService::GstMediaService(AudioOutput audio, SoundOutputPlaces places)
    : audio_(audio), places_(std::move(places)) {
    GError* error = nullptr;
    available_ = gst_init_check(nullptr, nullptr, &error);
    if (!available_) {
        qWarning("ztvplay: GStreamer did not start: %s", error ? error->message : "");
        g_clear_error(&error);
    }
}

bool GstMediaService::audioOutputOpens() {
    return available_ && (audio_ == AudioOutput::Fake || audioSinkName() != kSilentSink);
}

const QByteArray& GstMediaService::audioSinkName() {
    if (!audioSink_) {
        audioSink_ = audio_ == AudioOutput::Fake || !available_ ? QByteArray(kSilentSink)
                                                                : desktopAudioSink(places_);
    }
    return *audioSink_;
}

GstMediaService::~GstMediaService() {
    // Joins the streaming threads before the receiver of their news goes.
    devices_.clear();
}

GstMediaService::Device* GstMediaService::find(MediaDeviceId device) const {
    const auto it = devices_.find(device);
    return it == devices_.end() ? nullptr : it->second.get();
}

// Identifiers are not reused soon, so that news of a closed device finds nothing.
MediaDeviceId GstMediaService::nextId() {
    do {
        ++last_;
    } while (last_ == 0 || devices_.count(last_) != 0);
    return last_;
}

MediaDeviceId GstMediaService::open(const QString& hostPath) {
    if (!available_ || !QFileInfo(hostPath).isFile()) {
        return 0;
    }
    auto d = std::make_unique<Device>();
    d->path = hostPath;
    d->playbin = gst_element_factory_make("playbin", nullptr);
    d->appsink = gst_element_factory_make("appsink", nullptr);
    if (!d->playbin || !d->appsink) {
        qWarning("ztvplay: GStreamer's playbin or appsink is not installed");
        if (d->appsink) {
            gst_object_unref(gst_object_ref_sink(d->appsink));
        }
        return 0;
    }
    const MediaDeviceId id = nextId();
    d->link.receiver = &receiver_;
    d->link.busNews = [this, id, hostPath](GstMessage* message, unsigned play) {
        readMessage(id, hostPath, message, play);
    };
    d->link.frameNews = [this, id] { takeFrame(id); };

    gchar* uri = gst_filename_to_uri(QFileInfo(hostPath).absoluteFilePath().toLocal8Bit(), nullptr);
    setUpFrameSink(d->appsink, &d->link);
    g_object_set(d->playbin, "uri", uri, "video-sink", d->appsink, "flags", kPlayFlags, nullptr);
    g_free(uri);
    if (GstElement* sink = makeAudioSink(audioSinkName())) {
        g_object_set(d->playbin, "audio-sink", sink, nullptr);
    }
    GstBus* bus = gst_element_get_bus(d->playbin);
    gst_bus_set_sync_handler(bus, onBusMessage, &d->link, nullptr);
    gst_object_unref(bus);

    if (!prerolled(d->playbin)) {
        return 0;
    }
    devices_.emplace(id, std::move(d));
    return id;
}

bool GstMediaService::setTimeFormatMs(MediaDeviceId device) {
    // Positions are always milliseconds here.
    return find(device) != nullptr;
}

qint64 GstMediaService::length(MediaDeviceId device) {
    const Device* d = find(device);
    return d ? d->lengthMs() : 0;
}

// From the decoded stream, before any scaling: the caps of the playbin's first video pad.
QSize GstMediaService::naturalSize(MediaDeviceId device) {
    const Device* d = find(device);
    if (!d) {
        return {};
    }
    GstPad* pad = nullptr;
    g_signal_emit_by_name(d->playbin, "get-video-pad", 0, &pad);
    if (!pad) {
        return {};
    }
    QSize size;
    if (GstCaps* caps = gst_pad_get_current_caps(pad)) {
        GstVideoInfo info;
        if (gst_video_info_from_caps(&info, caps)) {
            size = QSize(GST_VIDEO_INFO_WIDTH(&info), GST_VIDEO_INFO_HEIGHT(&info));
        }
        gst_caps_unref(caps);
    }
    gst_object_unref(pad);
    return size;
}

bool GstMediaService::isPlaying(MediaDeviceId device) {
    const Device* d = find(device);
    return d && d->playing;
}

bool GstMediaService::play(MediaDeviceId device, qint64 fromMs, qint64 toMs, bool notify) {
    Device* d = find(device);
    if (!d) {
        return false;
    }
    // What the pipeline says from now on, the seek's and the preroll's errors included, is news
    // of this play; an earlier play's end still on its way is not.
    ++d->link.play;
    d->playing = false;
    d->notify = false;
    if (d->broken) {
        gst_element_set_state(d->playbin, GST_STATE_NULL);
        d->broken = !prerolled(d->playbin);
        d->atStart = true;
        if (d->broken) {
            return false;
        }
    }
    // Positions come from records: clamp them to the medium; no end, or one before the start,
    // plays to the end.
    const qint64 length = d->lengthMs();
    const qint64 from =
        length > 0 ? std::clamp<qint64>(fromMs, 0, length) : std::max<qint64>(0, fromMs);
    const bool toEnd = toMs <= from || (length > 0 && toMs >= length);
    const gint64 stop = toEnd ? gint64(GST_CLOCK_TIME_NONE) : toMs * GST_MSECOND;
    // A seek costs a second preroll: a first play of the whole medium starts without one.
    const bool seek = !(d->atStart && from == 0 && toEnd);
    d->atStart = false;
    if ((seek &&
         !gst_element_seek(d->playbin, 1.0, GST_FORMAT_TIME,
                           GstSeekFlags(GST_SEEK_FLAG_FLUSH | GST_SEEK_FLAG_ACCURATE),
                           GST_SEEK_TYPE_SET, from * GST_MSECOND, GST_SEEK_TYPE_SET, stop)) ||
        gst_element_set_state(d->playbin, GST_STATE_PLAYING) == GST_STATE_CHANGE_FAILURE) {
        return false;
    }
    d->playing = true;
    d->notify = notify;
    return true;
}

qint64 GstMediaService::pause(MediaDeviceId device) {
    return resumePosition(stop(device));
}

qint64 GstMediaService::stop(MediaDeviceId device) {
    Device* d = find(device);
    if (!d) {
        return 0;
    }
    if (d->playing) {
        gst_element_set_state(d->playbin, GST_STATE_PAUSED);
        d->playing = false;
        d->notify = false;
    }
    return d->positionMs();
}

qint64 GstMediaService::position(MediaDeviceId device) {
    const Device* d = find(device);
    return d ? d->positionMs() : 0;
}

void GstMediaService::close(MediaDeviceId device) {
    devices_.erase(device);
}

void GstMediaService::setMuted(MediaDeviceId device, bool muted) {
    if (Device* d = find(device)) {
        g_object_set(d->playbin, "mute", gboolean(muted), nullptr);
    }
}

void GstMediaService::setVideoWindow(MediaDeviceId device, const QRect& rect) {
    if (Device* d = find(device)) {
        d->window = rect;
    }
}

QImage GstMediaService::videoFrame(MediaDeviceId device) {
    const Device* d = find(device);
    return d ? d->frame : QImage();
}

// The end of stream ends the play; an error mid-play ends it the same way, so that nothing
// waits for a play that will never end. News of a closed device or of an earlier play changes
// nothing: the next play starts from a flushing seek or a new preroll.
void GstMediaService::readMessage(MediaDeviceId device, const QString& path, GstMessage* message,
                                  unsigned play) {
    report(path, message);
    Device* d = find(device);
    if (!d || play != d->link.play) {
        return;
    }
    const bool error = GST_MESSAGE_TYPE(message) == GST_MESSAGE_ERROR;
    d->broken = d->broken || error;
    if ((error || GST_MESSAGE_TYPE(message) == GST_MESSAGE_EOS) && d->playing) {
        endPlay(device);
    }
}

void GstMediaService::endPlay(MediaDeviceId device) {
    Device* d = find(device);
    const bool notify = d->notify;
    d->playing = false;
    d->notify = false;
    if (notify) {
        // The listener may close the device: nothing of it is used afterwards.
        notifyEnd(device, false);
    }
}

// The sink keeps the picture it shows (the first one already when paused); hidden videos leave
// theirs unconverted.
void GstMediaService::takeFrame(MediaDeviceId device) {
    Device* d = find(device);
    if (!d) {
        return;
    }
    GstAppSink* sink = GST_APP_SINK(d->appsink);
    while (GstSample* queued = gst_app_sink_try_pull_sample(sink, 0)) {
        gst_sample_unref(queued);
    }
    GstSample* shown = nullptr;
    g_object_get(d->appsink, "last-sample", &shown, nullptr);
    if (!shown) {
        return;
    }
    if (!d->window.isEmpty() || d->frame.isNull()) {
        d->frame = imageOf(shown);
    }
    gst_sample_unref(shown);
    notifyFrame(device);
}

}  // namespace ztv
