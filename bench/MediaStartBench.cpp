// Media start latency and frame drops, run by hand in a Release build:
//   media_start_bench
// For a local WAV, MP3 and 640x480 MPEG-1 file: the time from opening the file through the
// player's media service to the first moment its output position moves, beside a bare playbin
// opening the same file (target: within 1.2x). Then the frames that do not reach the video
// panel while a 1280x720 video plays for ten seconds (target: none).
#include "common/platform/GstMediaService.h"
#include "common/platform/GstPipeline.h"

#include <gst/gst.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <cstdio>

namespace {

using ztv::GstMediaService;
using ztv::MediaDeviceId;

constexpr int kRuns = 5;

// Milliseconds from open to a moving position through the media service.
double serviceStart(const QString& file) {
    GstMediaService media(GstMediaService::AudioOutput::Fake);
    QElapsedTimer t;
    t.start();
    const MediaDeviceId device = media.open(file);
    if (device == 0 || !media.play(device, 0, 0, false)) {
        return -1;
    }
    // Polled as often as the bare pipeline is.
    while (media.position(device) <= 0) {
        if (t.elapsed() > 10000) {
            return -1;
        }
        QCoreApplication::processEvents();
        g_usleep(500);
    }
    return t.nsecsElapsed() / 1e6;
}

// The same through a bare playbin with fake sinks.
double bareStart(const QString& file) {
    QElapsedTimer t;
    t.start();
    GstElement* playbin = gst_element_factory_make("playbin", nullptr);
    gchar* uri = gst_filename_to_uri(file.toLocal8Bit().constData(), nullptr);
    GstElement* audio = gst_element_factory_make("fakesink", nullptr);
    GstElement* video = gst_element_factory_make("fakesink", nullptr);
    g_object_set(audio, "sync", TRUE, nullptr);
    g_object_set(video, "sync", TRUE, nullptr);
    g_object_set(playbin, "uri", uri, "audio-sink", audio, "video-sink", video, nullptr);
    g_free(uri);
    gst_element_set_state(playbin, GST_STATE_PLAYING);
    gint64 position = 0;
    while (t.elapsed() < 10000 &&
           !(gst_element_query_position(playbin, GST_FORMAT_TIME, &position) && position > 0)) {
        g_usleep(500);
    }
    const double ms = t.nsecsElapsed() / 1e6;
    gst_element_set_state(playbin, GST_STATE_NULL);
    gst_object_unref(playbin);
    return ms;
}

void compareStarts(const char* label, const QString& file) {
    double service = 0, bare = 0;
    for (int i = 0; i < kRuns; ++i) {
        service += serviceStart(file);
        bare += bareStart(file);
    }
    std::printf("%-8s service %7.1f ms  bare playbin %7.1f ms  ratio %.2f (target <= 1.20)\n",
                label, service / kRuns, bare / kRuns, service / bare);
}

void countDrops(const QString& file, int frames) {
    GstMediaService media(GstMediaService::AudioOutput::Fake);
    int shown = 0;
    media.setFrameHandler([&](MediaDeviceId) { ++shown; });
    bool ended = false;
    media.setEndHandler(&ended, [&](MediaDeviceId, bool) { ended = true; });
    const MediaDeviceId device = media.open(file);
    media.setVideoWindow(device, QRect(0, 0, 1280, 720));
    // The first picture comes before the play.
    if (device == 0 || !QTest::qWaitFor([&] { return shown > 0; }, 5000)) {
        std::printf("1280x720 video did not open\n");
        return;
    }
    shown = 0;
    media.play(device, 0, 0, true);
    if (!QTest::qWaitFor([&] { return ended; }, 30000)) {
        std::printf("1280x720 video did not end\n");
    }
    std::printf("1280x720 %d frames played, %d shown, %d dropped (target 0)\n", frames, shown,
                std::max(0, frames - shown));
}

}  // namespace

int main(int argc, char** argv) {
    QGuiApplication app(argc, argv);
    gst_init(nullptr, nullptr);
    QTemporaryDir dir;
    const auto make = [&](const char* name, const QString& pipeline) {
        const QString file = dir.filePath(QString::fromLatin1(name));
        const QString failure =
            ztv::runGstPipeline(pipeline + QStringLiteral(" ! filesink location=") + file);
        if (!failure.isEmpty()) {
            std::fprintf(stderr, "media_start_bench: %s: %s\n", name, qPrintable(failure));
        }
        return file;
    };
    const QString tone = QStringLiteral("audiotestsrc num-buffers=200 ! audioconvert ! ");
    const QString wav = make("tone.wav", tone + QStringLiteral("wavenc"));
    const QString mp3 = make("tone.mp3", tone + QStringLiteral("lamemp3enc"));
    const QString mpg =
        make("film.mpg",
             QStringLiteral(
                 "videotestsrc num-buffers=125 ! video/x-raw,width=640,height=480,framerate=25/1 ! "
                 "videoconvert ! mpeg2enc format=0 ! mpegpsmux"));
    const int hdFrames = 250;
    const QString hd = make(
        "hd.avi",
        QStringLiteral(
            "videotestsrc pattern=ball num-buffers=%1 ! "
            "video/x-raw,width=1280,height=720,framerate=25/1 ! videoconvert ! jpegenc ! avimux")
            .arg(hdFrames));
    compareStarts("WAV", wav);
    compareStarts("MP3", mp3);
    compareStarts("MPEG-1", mpg);
    countDrops(hd, hdFrames);
    return 0;
}
