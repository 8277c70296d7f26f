// The media service on the real GStreamer with the synchronised fake audio output: plays keep
// real time, end when the medium has been played, and survive broken files.
#include "common/media/GstMediaService.h"
#include "common/media/GstPipeline.h"
#include "tests/support/PictureMakers.h"
#include "tests/support/PulseServer.h"

#include <gtest/gtest.h>
#include <unistd.h>
#include <QElapsedTimer>
#include <QFile>
#include <QFileInfo>
#include <QTemporaryDir>
#include <QTemporaryFile>
#include <QTest>
#include <QThread>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace ztv::test {
namespace {

class GstMedia : public ::testing::Test {
  protected:
    GstMedia() {
        media_.setEndHandler(this, [this](MediaDeviceId device, bool aborted) {
            ends_.append(device);
            EXPECT_FALSE(aborted);
        });
    }
    QString write(const QString& name, const QByteArray& bytes) const {
        QFile file(dir_.filePath(name));
        EXPECT_TRUE(file.open(QIODevice::WriteOnly));
        file.write(bytes);
        return file.fileName();
    }
    QString path(const QString& name) const { return dir_.filePath(name); }
    // Waits for the next end notification of the device; the milliseconds it took, -1 without
    // one.
    qint64 waitForEnd(MediaDeviceId device, int timeoutMs = 15000) {
        QElapsedTimer elapsed;
        elapsed.start();
        const qsizetype before = ends_.count(device);
        const bool ended = QTest::qWaitFor([&] { return ends_.count(device) > before; }, timeoutMs);
        return ended ? elapsed.elapsed() : -1;
    }

    QTemporaryDir dir_;
    GstMediaService media_{GstMediaService::AudioOutput::Fake};
    QList<MediaDeviceId> ends_;
};

// The machine's real answer depends on its sound output; asking must not disturb anything.
TEST_F(GstMedia, TheFakeOutputCountsAsASoundCard) {
    EXPECT_TRUE(media_.audioOutputOpens());
    GstMediaService system(GstMediaService::AudioOutput::System);
    const bool opens = system.audioOutputOpens();
    EXPECT_EQ(system.audioOutputOpens(), opens);
}

// The desktop's output, a sound server here, is chosen once for every device and keeps the
// medium's time.
TEST_F(GstMedia, TheDesktopOutputServesEveryDeviceAndKeepsTheMediumsTime) {
    PulseServer server;
    const QString problem = server.start();
    if (problem.contains(QStringLiteral("not installed"))) {
        GTEST_SKIP() << problem.toStdString();
    }
    ASSERT_EQ(problem, QString());
    GstMediaService system(GstMediaService::AudioOutput::System);
    ASSERT_TRUE(system.audioOutputOpens());
    QList<MediaDeviceId> ends;
    system.setEndHandler(this, [&](MediaDeviceId device, bool) { ends.append(device); });
    QByteArray silence = makeWav(1000);
    std::fill(silence.begin() + 44, silence.end(), '\0');
    const QString file = write("silence.wav", silence);
    for (int play = 0; play < 2; ++play) {
        const MediaDeviceId device = system.open(file);
        ASSERT_NE(device, 0);
        QElapsedTimer elapsed;
        elapsed.start();
        ASSERT_TRUE(system.play(device, 0, 0, true));
        ASSERT_TRUE(QTest::qWaitFor([&] { return ends.contains(device); }, 15000));
        EXPECT_GE(elapsed.elapsed(), 900) << "play " << play;
        system.close(device);
    }
}

// What the process writes on its standard error while `run` runs.
QByteArray stderrDuring(const std::function<void()>& run) {
    QTemporaryFile file;
    EXPECT_TRUE(file.open());
    std::fflush(stderr);
    const int saved = dup(STDERR_FILENO);
    dup2(file.handle(), STDERR_FILENO);
    run();
    std::fflush(stderr);
    dup2(saved, STDERR_FILENO);
    close(saved);
    file.seek(0);
    return file.readAll();
}

// With no sound server to answer, the output is chosen without a word on the terminal: the
// automatic sink's last resort, OpenAL, writes its failure there.
TEST_F(GstMedia, LookingForTheDesktopOutputPrintsNothing) {
    const bool hadServer = qEnvironmentVariableIsSet("PULSE_SERVER");
    const QByteArray server = qgetenv("PULSE_SERVER");
    qputenv("PULSE_SERVER", QFile::encodeName(path("no-server")));
    const QByteArray printed = stderrDuring([] {
        GstMediaService system(GstMediaService::AudioOutput::System);
        system.audioOutputOpens();
    });
    hadServer ? qputenv("PULSE_SERVER", server) : qunsetenv("PULSE_SERVER");
    EXPECT_EQ(printed, QByteArray());
}

TEST_F(GstMedia, AWavPlaysInRealTimeAndEndsWithANotification) {
    const MediaDeviceId wav = media_.open(write("three.wav", makeWav(3000)));
    ASSERT_NE(wav, 0);
    EXPECT_TRUE(media_.setTimeFormatMs(wav));
    EXPECT_NEAR(media_.length(wav), 3000, 20);
    EXPECT_TRUE(media_.naturalSize(wav).isEmpty());
    EXPECT_FALSE(media_.isPlaying(wav));
    ASSERT_TRUE(media_.play(wav, 0, 0, true));
    EXPECT_TRUE(media_.isPlaying(wav));
    const qint64 took = waitForEnd(wav);
    EXPECT_GE(took, 2800) << "the fake output keeps the medium's time";
    EXPECT_FALSE(media_.isPlaying(wav));
    EXPECT_EQ(ends_.count(wav), 1);
    media_.close(wav);
    EXPECT_EQ(media_.length(wav), 0);
}

TEST_F(GstMedia, ARangedPlayStopsAtItsEndAndCanPlayAgain) {
    const MediaDeviceId wav = media_.open(write("three.wav", makeWav(3000)));
    ASSERT_TRUE(media_.play(wav, 1000, 1400, true));
    const qint64 took = waitForEnd(wav);
    EXPECT_GE(took, 300);
    EXPECT_LT(took, 2000) << "stopped at 1400, not at the end of the file";
    EXPECT_NEAR(media_.position(wav), 1400, 60);

    ASSERT_TRUE(media_.play(wav, 2700, 0, true)) << "to the end this time";
    EXPECT_GE(waitForEnd(wav), 0);
    EXPECT_EQ(ends_.count(wav), 2);
}

// The end of a short play still on its way when the device plays again ends nothing: each play
// ends once, at its own end.
TEST_F(GstMedia, EachPlayEndsOnceAtItsOwnEnd) {
    const MediaDeviceId wav = media_.open(write("one.wav", makeWav(1000)));
    ASSERT_TRUE(media_.play(wav, 0, 100, true));
    QThread::msleep(500);  // the UI thread is away while the short play ends
    ASSERT_TRUE(media_.play(wav, 0, 0, true));
    EXPECT_GE(waitForEnd(wav), 800);
    QTest::qWait(200);
    EXPECT_EQ(ends_.count(wav), 1);
}

// Record positions below zero or beyond the medium are clamped; an end before the start plays
// to the end.
TEST_F(GstMedia, PositionsOutsideTheMediumAreClamped) {
    const MediaDeviceId wav = media_.open(write("one.wav", makeWav(1000)));
    ASSERT_TRUE(media_.play(wav, -500, 90000, true));
    EXPECT_LT(media_.position(wav), 200);
    EXPECT_GE(waitForEnd(wav), 800);

    ASSERT_TRUE(media_.play(wav, 90000, 0, true)) << "a start beyond the end ends at once";
    EXPECT_GE(waitForEnd(wav), 0);
    ASSERT_TRUE(media_.play(wav, 700, 300, true));
    const qint64 took = waitForEnd(wav);
    EXPECT_GE(took, 200);
    EXPECT_LT(took, 900);
}

TEST_F(GstMedia, PauseAnswersAResumePositionAFewMillisecondsBack) {
    EXPECT_EQ(resumePosition(2), 0);
    EXPECT_EQ(resumePosition(3), 0);
    EXPECT_EQ(resumePosition(4), 1);
    EXPECT_EQ(resumePosition(5000), 4997);

    const MediaDeviceId wav = media_.open(write("six.wav", makeWav(6000)));
    ASSERT_TRUE(media_.play(wav, 5000, 0, true));
    QTest::qWait(100);
    const qint64 resume = media_.pause(wav);
    EXPECT_GE(resume, 4997);
    EXPECT_LT(resume, 5400);
    EXPECT_FALSE(media_.isPlaying(wav));
    QTest::qWait(1500);
    EXPECT_TRUE(ends_.isEmpty()) << "a paused play does not end";
    EXPECT_NEAR(media_.position(wav), resume + 3, 5);
    EXPECT_NEAR(media_.stop(wav), resume + 3, 5);
}

TEST_F(GstMedia, BrokenFilesDoNotOpenOrEndTheirPlay) {
    EXPECT_EQ(media_.open(path("missing.wav")), 0);
    EXPECT_EQ(media_.open(write("empty.wav", {})), 0);
    EXPECT_EQ(media_.open(write("text.mp3", QByteArray("this is not a sound\n").repeated(50))), 0);
    EXPECT_EQ(media_.open(dir_.path()), 0) << "a folder";
    // A header that promises more samples than the file holds.
    const MediaDeviceId truncated = media_.open(write("cut.wav", makeWav(3000).left(20000)));
    if (truncated != 0) {
        ASSERT_TRUE(media_.play(truncated, 0, 0, true));
        EXPECT_GE(waitForEnd(truncated), 0) << "the play of what is there ends";
    }
    EXPECT_EQ(media_.open(write("head.wav", makeWav(3000).left(30))), 0);
    EXPECT_FALSE(media_.play(0, 0, 0, true));
    EXPECT_EQ(media_.pause(77), 0);
}

// The file vanishes under a play: the play ends as if it had been played, so that nothing
// waits for it for ever, and the device plays again once the file is back.
TEST_F(GstMedia, AnErrorDuringAPlayEndsIt) {
    const QString file = write("gone.mp3", {});
    ASSERT_TRUE(
        runGstPipeline("audiotestsrc num-buffers=200 ! lamemp3enc ! filesink location=" + file)
            .isEmpty());
    const MediaDeviceId mp3 = media_.open(file);
    ASSERT_NE(mp3, 0);
    QFile(file).resize(0);
    ASSERT_TRUE(media_.play(mp3, 0, 0, true));
    EXPECT_GE(waitForEnd(mp3), 0);
    EXPECT_FALSE(media_.isPlaying(mp3));
}

TEST_F(GstMedia, VideoFramesArriveAsPictures) {
    const QString file = path("green.avi");
    ASSERT_EQ(runGstPipeline("videotestsrc pattern=solid-color foreground-color=0xff00ff00 "
                             "num-buffers=10 ! video/x-raw,width=64,height=48,framerate=10/1 ! "
                             "jpegenc ! avimux ! filesink location=" +
                             file),
              QString());
    QList<MediaDeviceId> framed;
    media_.setFrameHandler([&](MediaDeviceId device) { framed.append(device); });
    const MediaDeviceId avi = media_.open(file);
    ASSERT_NE(avi, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return framed.contains(avi); }, 5000))
        << "the first picture shows before the play";
    const QImage first = media_.videoFrame(avi);
    ASSERT_EQ(first.size(), QSize(64, 48));
    EXPECT_EQ(media_.naturalSize(avi), QSize(64, 48));
    const QColor centre = first.pixelColor(32, 24);
    EXPECT_LT(centre.red(), 30);
    EXPECT_GT(centre.green(), 220);
    EXPECT_LT(centre.blue(), 30);

    media_.setVideoWindow(avi, QRect(0, 0, 64, 48));
    ASSERT_TRUE(media_.play(avi, 0, 0, true));
    EXPECT_GE(waitForEnd(avi), 800);
    EXPECT_GT(framed.count(avi), 5);
    media_.setFrameHandler(nullptr);
}

// Cut-off videos play what they hold or do not open; a frame larger than any screen arrives
// scaled down to a size the player can hold.
TEST_F(GstMedia, TruncatedAndHugeVideosNeitherCrashNorHang) {
    for (const auto& [name, pipeline] :
         {std::pair{"cut.avi", "jpegenc ! avimux"}, std::pair{"cut.mpg", "mpeg2enc ! mpegpsmux"}}) {
        const QString file = path(name);
        ASSERT_EQ(runGstPipeline(QStringLiteral("videotestsrc num-buffers=20 ! "
                                                "video/x-raw,format=I420,width=64,height=48,"
                                                "framerate=25/1 ! ") +
                                 pipeline + " ! filesink location=" + file),
                  QString());
        QFile(file).resize(QFileInfo(file).size() / 2);
        if (const MediaDeviceId cut = media_.open(file); cut != 0) {
            ASSERT_TRUE(media_.play(cut, 0, 0, true));
            EXPECT_GE(waitForEnd(cut), 0) << name;
            media_.close(cut);
        }
    }

    const QString huge = path("huge.mkv");
    ASSERT_EQ(runGstPipeline("videotestsrc pattern=solid-color num-buffers=1 ! "
                             "video/x-raw,format=I420,width=16000,height=16000,framerate=1/1 ! "
                             "jpegenc ! matroskamux ! filesink location=" +
                             huge),
              QString());
    QList<MediaDeviceId> framed;
    media_.setFrameHandler([&](MediaDeviceId device) { framed.append(device); });
    const MediaDeviceId big = media_.open(huge);
    ASSERT_NE(big, 0);
    ASSERT_TRUE(QTest::qWaitFor([&] { return framed.contains(big); }, 60000));
    const QImage frame = media_.videoFrame(big);
    EXPECT_FALSE(frame.isNull());
    EXPECT_LE(frame.width(), 4096);
    EXPECT_LE(frame.height(), 4096);
    EXPECT_EQ(media_.naturalSize(big), QSize(16000, 16000)) << "the film's size, not the frame's";
    media_.setFrameHandler(nullptr);
}

}  // namespace
}  // namespace ztv::test
