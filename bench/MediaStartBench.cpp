// Media start latency and frame drops, run by hand in a Release build:
//   media_start_bench
// For a local WAV, MP3 and 640x480 MPEG-1 file, through the player's media service beside a bare
// playbin on the same file (target: within 1.2x), the time to the first moment the output
// position moves: from the play, on a file preloaded as a page load preloads the media its
// sound or video element will play (the path of a page); and from the open, as for a medium
// that was not preloaded. Then the frames that do not reach the video panel while a 1280x720
// video plays for ten seconds (target: none).
#include "common/media/GstMediaService.h"
#include "common/media/GstPipeline.h"

#include <gst/gst.h>

#include <QElapsedTimer>
#include <QGuiApplication>
#include <QTemporaryDir>
#include <QTest>
#include <algorithm>
#include <cstdio>
#include <vector>

namespace {

using ztv::GstMediaService;
using ztv::MediaDeviceId;

constexpr int kRuns = 9;

// Waits, polling every half millisecond, until `moved` says the output position moves; the
// milliseconds since `t` started, or -1 after ten seconds.
template <class Moved>
double untilMoving(const QElapsedTimer& t, Moved moved) {
    while (!moved()) {
        if (t.elapsed() > 10000) {
            return -1;
        }
        QCoreApplication::processEvents();
        g_usleep(500);
    }
    return t.nsecsElapsed() / 1e6;
}

// Through the media service. Preloaded: the page load opened the file, and the time runs from
// the play that the element's show() starts. Otherwise the time includes the open.
double serviceStart(const QString& file, bool preloaded) {
    GstMediaService media(GstMediaService::AudioOutput::Fake);
    QElapsedTimer t;
    t.start();
    const MediaDeviceId device = media.open(file);
    if (preloaded) {
        t.restart();
    }
    if (device == 0 || !media.play(device, 0, 0, true)) {
        return -1;
    }
    return untilMoving(t, [&] { return media.position(device) > 0; });
}

// The same through a bare playbin with fake sinks; preloaded, it has reached its first picture
// (paused) before the time starts.
double bareStart(const QString& file, bool preloaded) {
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
    if (preloaded) {
        gst_element_set_state(playbin, GST_STATE_PAUSED);
        gst_element_get_state(playbin, nullptr, nullptr, 10 * GST_SECOND);
        t.restart();
    }
    gst_element_set_state(playbin, GST_STATE_PLAYING);
    // In whole milliseconds, as the service tells positions.
    const double ms = untilMoving(t, [&] {
        gint64 position = 0;
        return gst_element_query_position(playbin, GST_FORMAT_TIME, &position) &&
               position >= GST_MSECOND;
    });
    gst_element_set_state(playbin, GST_STATE_NULL);
    gst_object_unref(playbin);
    return ms;
}

double median(std::vector<double> values) {
    std::sort(values.begin(), values.end());
    return values[values.size() / 2];
}

// Medians of alternate runs of each, after one run of each that loads the plugins the file needs
// (whichever came first would otherwise pay for both).
void compareStarts(const char* label, const QString& file, bool preloaded) {
    serviceStart(file, preloaded);
    bareStart(file, preloaded);
    std::vector<double> service, bare;
    for (int i = 0; i < kRuns; ++i) {
        service.push_back(serviceStart(file, preloaded));
        bare.push_back(bareStart(file, preloaded));
    }
    const double s = median(service), b = median(bare);
    std::printf("%-8s service %7.2f ms  bare playbin %7.2f ms  ratio %.2f (target <= 1.20)\n",
                label, s, b, s / b);
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
    for (const bool preloaded : {true, false}) {
        std::printf(preloaded ? "preloaded at page load, from the play to a moving position:\n"
                              : "opened at the play, from the open to a moving position:\n");
        compareStarts("WAV", wav, preloaded);
        compareStarts("MP3", mp3, preloaded);
        compareStarts("MPEG-1", mpg, preloaded);
    }
    countDrops(hd, hdFrames);
    return 0;
}
