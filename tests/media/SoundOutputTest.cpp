// "A sound card is present", found the ways a Linux machine shows one.
#include "common/media/SoundOutput.h"

#include <gtest/gtest.h>
#include <QDir>
#include <QFile>
#include <QTemporaryDir>

namespace ztv {
namespace {

class SoundOutput : public ::testing::Test {
  protected:
    void SetUp() override {
        ASSERT_TRUE(dir_.isValid());
        saved_ = qgetenv("ZTV_AUDIO");
        qunsetenv("ZTV_AUDIO");  // the real detection, not the tests' fake output
        places_.alsaPcmList = path("pcm");
        places_.alsaDevices = path("snd");
        places_.runtimeDir = path("run");
        QDir().mkpath(places_.alsaDevices);
        QDir().mkpath(places_.runtimeDir);
    }
    void TearDown() override {
        if (saved_.isNull()) {
            qunsetenv("ZTV_AUDIO");
        } else {
            qputenv("ZTV_AUDIO", saved_);
        }
    }

    QString path(const char* name) const { return dir_.filePath(QString::fromLatin1(name)); }
    void write(const QString& file, const QByteArray& bytes = {}) const {
        QFile f(file);
        ASSERT_TRUE(f.open(QIODevice::WriteOnly));
        f.write(bytes);
    }

    QTemporaryDir dir_;
    QByteArray saved_;
    SoundOutputPlaces places_;
};

TEST_F(SoundOutput, NoneWithoutDeviceOrServer) {
    write(places_.alsaPcmList, "00-00: HDMI 0 : HDMI 0 : capture 1\n");
    write(places_.alsaDevices + QStringLiteral("/pcmC0D0c"));  // capture only
    write(places_.alsaDevices + QStringLiteral("/controlC0"));
    EXPECT_FALSE(soundOutputPresent(places_));
}

TEST_F(SoundOutput, AnAlsaPlaybackDeviceCounts) {
    write(places_.alsaPcmList, "00-00: ALC892 Analog : ALC892 Analog : playback 1 : capture 1\n");
    EXPECT_TRUE(soundOutputPresent(places_));

    QFile::remove(places_.alsaPcmList);
    write(places_.alsaDevices + QStringLiteral("/pcmC1D3p"));
    EXPECT_TRUE(soundOutputPresent(places_));
}

TEST_F(SoundOutput, ASoundServerCountsAndTestsAskForTheFake) {
    QDir().mkpath(places_.runtimeDir + QStringLiteral("/pulse"));
    write(places_.runtimeDir + QStringLiteral("/pulse/native"));
    EXPECT_TRUE(soundOutputPresent(places_));

    QFile::remove(places_.runtimeDir + QStringLiteral("/pulse/native"));
    EXPECT_FALSE(soundOutputPresent(places_));
    qputenv("ZTV_AUDIO", "fake");
    EXPECT_TRUE(soundOutputPresent(places_));
}

}  // namespace
}  // namespace ztv
