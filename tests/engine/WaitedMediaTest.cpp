// A column that waits for its sound, tune or film goes on when the medium ends, run after run,
// through the silent output and through a sound server's: an end lost once in a while stops a
// show in the middle.
#include "common/formats/LangLines.h"
#include "common/media/GstMediaService.h"
#include "common/media/GstPipeline.h"
#include "tests/engine/PagePlayFixture.h"
#include "tests/support/PictureMakers.h"
#include "tests/support/PulseServer.h"

namespace ztv::test {
namespace {

constexpr int kRuns = 20;

enum class Medium { Wav, Midi, MotionJpegAvi };
using Output = GstMediaService::AudioOutput;

struct WaitedCase {
    const char* name;
    Medium medium;
    Output output;
};

void PrintTo(const WaitedCase& c, std::ostream* os) {
    *os << c.name;
}

class WaitedMedium : public PagePlayFixture, public ::testing::WithParamInterface<WaitedCase> {
  public:
    static void SetUpTestSuite() {
        pulse_ = new PulseServer;
        pulseProblem_ = pulse_->start();
    }
    static void TearDownTestSuite() {
        delete pulse_;
        pulse_ = nullptr;
    }

  protected:
    // The medium's stored path, about half a second long.
    QString writeMedium(Medium medium) const {
        switch (medium) {
            case Medium::Wav:
                return writeMedia(QStringLiteral("half.wav"), makeWav(500));
            case Medium::Midi:
                return writeMedia(QStringLiteral("note.mid"), makeMidi());
            case Medium::MotionJpegAvi:
                break;
        }
        const QString stored = writeMedia(QStringLiteral("film.avi"), {});
        EXPECT_EQ(runGstPipeline("videotestsrc num-buffers=12 ! "
                                 "video/x-raw,width=64,height=48,framerate=25/1 ! jpegenc ! "
                                 "avimux ! filesink location=" +
                                 host(QStringLiteral("media/film.avi"))),
                  QString());
        return stored;
    }

    static PulseServer* pulse_;
    static QString pulseProblem_;
};

PulseServer* WaitedMedium::pulse_ = nullptr;
QString WaitedMedium::pulseProblem_;

// A plain background, the medium played and waited for, then a red picture.
TEST_P(WaitedMedium, TheColumnAfterItComesEveryTime) {
    const WaitedCase& c = GetParam();
    if (c.output == Output::System && !pulseProblem_.isEmpty()) {
        if (pulseProblem_.contains(QStringLiteral("not installed"))) {
            GTEST_SKIP() << pulseProblem_.toStdString();
        }
        FAIL() << pulseProblem_.toStdString();
    }
    if (c.medium == Medium::Midi && !gstHasElement("fluiddec") && !gstHasElement("wildmididec")) {
        GTEST_SKIP() << "GStreamer has no MIDI synthesiser (fluiddec, wildmididec) here";
    }
    const bool film = c.medium == Medium::MotionJpegAvi;
    ElementRecord waited =
        picture(film ? 2 : 1, 2, writeMedium(c.medium), film ? QRect(100, 0, 64, 48) : QRect());
    waited.sensdegra = text(film ? lang::VideoPlayAndWait : lang::SoundPlayAndWait);
    ElementRecord plain = picture(3, 1, text(lang::MarkerPlainBackground), QRect(0, 0, 640, 480));
    writePage(1, {plain, waited,
                  picture(4, 3, solidBmp(QStringLiteral("r.bmp"), Qt::red), QRect(0, 0, 40, 30))});
    for (int run = 1; run <= kRuns; ++run) {
        // A new player each time, as when the show is started again.
        engine_.reset();
        const auto gst = std::make_shared<GstMediaService>(c.output);
        otherMedia_ = gst;
        soundCard_ = gst->audioOutputOpens();
        ASSERT_TRUE(soundCard_);
        startPreview();
        engine_->playPage();
        const qint64 took = serveUntil([&] { return canvasAt(10, 10) == rgb(Qt::red); });
        ASSERT_GE(took, 0) << "run " << run << " never went on";
        EXPECT_GE(took, 400) << "run " << run << " did not wait for the end";
        EXPECT_TRUE(prompter_.texts().isEmpty()) << prompter_.texts().join('|').toStdString();
    }
}

// clang-format off
INSTANTIATE_TEST_SUITE_P(Runs, WaitedMedium, ::testing::Values(
    WaitedCase{"WavSilent", Medium::Wav, Output::Fake},
    WaitedCase{"MidiSilent", Medium::Midi, Output::Fake},
    WaitedCase{"AviSilent", Medium::MotionJpegAvi, Output::Fake},
    WaitedCase{"WavSoundServer", Medium::Wav, Output::System},
    WaitedCase{"MidiSoundServer", Medium::Midi, Output::System},
    WaitedCase{"AviSoundServer", Medium::MotionJpegAvi, Output::System}),
    [](const auto& info) { return std::string(info.param.name); });
// clang-format on

}  // namespace
}  // namespace ztv::test
