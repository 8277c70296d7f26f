// One file of every family GStreamer's own encoders can make here, played through the media
// service to its end: old CD-ROM formats and what authors bring today.
#include "common/media/GstMediaService.h"
#include "common/media/GstPipeline.h"
#include "tests/support/PictureMakers.h"

#include <gtest/gtest.h>
#include <QFile>
#include <QProcess>
#include <QStandardPaths>
#include <QTemporaryDir>
#include <QTest>

namespace ztv::test {
namespace {

struct Family {
    const char* name;
    const char* file;
    std::vector<const char*> elements;  // the encoders and muxers the file needs
    const char* encode;                 // pipeline tail after the test source
    bool video;
    // Set when no GStreamer muxer here takes the encoder's stream: ffmpeg's codec options make
    // the file instead.
    const char* ffmpeg = nullptr;
};

constexpr const char* kAudio = "audiotestsrc num-buffers=30 ! audioconvert ! ";
constexpr const char* kVideo =
    "videotestsrc num-buffers=12 ! video/x-raw,width=64,height=48,framerate=25/1 ! videoconvert ! ";
// The same sources for ffmpeg.
constexpr const char* kFfmpegAudio = "sine=frequency=440:duration=0.35:sample_rate=22050";
constexpr const char* kFfmpegVideo = "testsrc=size=64x48:rate=25:duration=0.5";

// Writes the family's file; empty when it succeeded, else what went wrong.
QString makeFile(const Family& family, const QString& file) {
    if (!family.ffmpeg) {
        return runGstPipeline(QString::fromLatin1(family.video ? kVideo : kAudio) +
                              QString::fromLatin1(family.encode) +
                              QStringLiteral(" ! filesink location=") + file);
    }
    QProcess ffmpeg;
    ffmpeg.setProcessChannelMode(QProcess::MergedChannels);
    ffmpeg.start(QStringLiteral("ffmpeg"), QStringList{"-v", "error", "-y", "-f", "lavfi", "-i",
                                                       family.video ? kFfmpegVideo : kFfmpegAudio} +
                                               QString::fromLatin1(family.ffmpeg).split(u' ') +
                                               QStringList{file});
    if (!ffmpeg.waitForFinished(60000) || ffmpeg.exitCode() != 0) {
        return QStringLiteral("ffmpeg failed: ") + QString::fromLocal8Bit(ffmpeg.readAll());
    }
    return {};
}

// clang-format off
const Family kFamilies[] = {
    {"WavPcm", "pcm.wav", {"wavenc"}, "wavenc", false},
    {"WavMsAdpcm", "msadpcm.wav", {}, "", false, "-c:a adpcm_ms"},
    {"WavImaAdpcm", "ima.wav", {}, "", false, "-c:a adpcm_ima_wav"},
    {"Mp3", "tune.mp3", {"lamemp3enc"}, "lamemp3enc", false},
    {"OggVorbis", "tune.ogg", {"vorbisenc", "oggmux"}, "vorbisenc ! oggmux", false},
    {"Flac", "tune.flac", {"flacenc"}, "flacenc", false},
    {"AviMicrosoftVideo1", "msvc.avi", {}, "", true, "-c:v msvideo1 -pix_fmt rgb555le"},
    {"AviCinepak", "cvid.avi", {}, "", true, "-c:v cinepak"},
    {"AviMotionJpeg", "mjpg.avi", {"jpegenc", "avimux"}, "jpegenc ! avimux", true},
    {"AviMpeg4Part2", "xvid.avi", {"avenc_mpeg4", "avimux"}, "avenc_mpeg4 ! avimux", true},
    // libav's MPEG-1/2 encoders refuse GStreamer's time base here: mjpegtools' encoder instead.
    {"Mpeg1ProgramStream", "film1.mpg", {"mpeg2enc", "mpegpsmux"},
     "mpeg2enc format=0 ! mpegpsmux", true},
    {"Mpeg2ProgramStream", "film2.mpeg", {"mpeg2enc", "mpegpsmux"},
     "mpeg2enc format=3 ! mpegpsmux", true},
    {"QuickTimeAppleRle", "rle.mov", {}, "", true, "-c:v qtrle"},
    {"QuickTimeCinepak", "cvid.mov", {}, "", true, "-c:v cinepak"},
    {"WindowsMedia8", "film.wmv", {"avenc_wmv2", "asfmux"}, "avenc_wmv2 ! asfmux", true},
    {"Mp4H264", "film.mp4", {"x264enc", "mp4mux"}, "x264enc ! h264parse ! mp4mux", true},
    {"WebMVp8", "film.webm", {"vp8enc", "webmmux"}, "vp8enc ! webmmux", true},
    {"OggTheora", "film.ogv", {"theoraenc", "oggmux"}, "theoraenc ! oggmux", true},
};
// clang-format on

class MediaFamily : public ::testing::TestWithParam<Family> {
  protected:
    MediaFamily() {
        media_.setEndHandler(this, [this](MediaDeviceId, bool) { ++ends_; });
    }
    QTemporaryDir dir_;
    GstMediaService media_{GstMediaService::AudioOutput::Fake};
    int ends_ = 0;
};

TEST_P(MediaFamily, PlaysToItsEnd) {
    const Family& family = GetParam();
    if (family.ffmpeg && QStandardPaths::findExecutable(QStringLiteral("ffmpeg")).isEmpty()) {
        GTEST_SKIP() << "ffmpeg, which makes this family's files, is not installed "
                        "(scripts/install-deps.sh installs it)";
    }
    for (const char* element : family.elements) {
        if (!gstHasElement(element)) {
            GTEST_SKIP() << "GStreamer has no element " << element << " on this machine";
        }
    }
    const QString file = dir_.filePath(QString::fromLatin1(family.file));
    ASSERT_EQ(makeFile(family, file), QString());
    const MediaDeviceId device = media_.open(file);
    ASSERT_NE(device, 0);
    ASSERT_TRUE(media_.play(device, 0, 0, true));
    EXPECT_TRUE(QTest::qWaitFor([&] { return ends_ == 1; }, 15000));
    if (family.video) {
        EXPECT_FALSE(media_.videoFrame(device).isNull());
    }
}

INSTANTIATE_TEST_SUITE_P(Encoded, MediaFamily, ::testing::ValuesIn(kFamilies),
                         [](const auto& info) { return std::string(info.param.name); });

TEST(MediaMidi, AMidiFilePlaysThroughTheSynthesiserAndOneWithoutTracksDoesNotHang) {
    if (!gstHasElement("fluiddec") && !gstHasElement("wildmididec")) {
        GTEST_SKIP() << "GStreamer has no MIDI synthesiser (fluiddec, wildmididec) here";
    }
    QTemporaryDir dir;
    GstMediaService media(GstMediaService::AudioOutput::Fake);
    int ends = 0;
    media.setEndHandler(&ends, [&](MediaDeviceId, bool) { ++ends; });
    const auto write = [&](const QString& name, const QByteArray& bytes) {
        QFile f(dir.filePath(name));
        EXPECT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
        return f.fileName();
    };
    const MediaDeviceId tune = media.open(write(QStringLiteral("note.mid"), makeMidi()));
    ASSERT_NE(tune, 0);
    ASSERT_TRUE(media.play(tune, 0, 0, true));
    EXPECT_TRUE(QTest::qWaitFor([&] { return ends == 1; }, 15000));

    const MediaDeviceId empty = media.open(write(QStringLiteral("empty.mid"), makeMidi(false)));
    if (empty != 0) {
        ASSERT_TRUE(media.play(empty, 0, 0, true));
        EXPECT_TRUE(QTest::qWaitFor([&] { return ends == 2; }, 15000));
    }
}

}  // namespace
}  // namespace ztv::test
