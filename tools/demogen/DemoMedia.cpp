#include "tools/demogen/DemoMedia.h"

#include "common/media/GstPipeline.h"
#include "common/platform/Bytes.h"

#include <cmath>

namespace ztv::demo {
namespace {

constexpr int kRate = 22050;
constexpr int kNoteSamples = kRate * 2 / 5;

using bytes::appendLe16;
using bytes::appendLe32;

}  // namespace

QByteArray tuneWav() {
    // C major, up and back down to the middle.
    const double notes[] = {261.63, 329.63, 392.00, 523.25, 392.00, 329.63, 293.66, 261.63};
    const quint32 samples = quint32(std::size(notes)) * kNoteSamples;
    QByteArray out("RIFF");
    appendLe32(out, 36 + samples * 2);
    out.append("WAVEfmt ");
    appendLe32(out, 16);
    appendLe16(out, 1);  // PCM
    appendLe16(out, 1);  // mono
    appendLe32(out, kRate);
    appendLe32(out, kRate * 2);
    appendLe16(out, 2);
    appendLe16(out, 16);
    out.append("data");
    appendLe32(out, samples * 2);
    for (const double frequency : notes) {
        for (int i = 0; i < kNoteSamples; ++i) {
            const double t = double(i) / kRate;
            const double value = 9000 * std::exp(-4 * t) * std::sin(2 * M_PI * frequency * t);
            appendLe16(out, quint16(qint16(std::lround(value))));
        }
    }
    return out;
}

bool writeBallVideo(const QString& pathHost, QString* error) {
    const QString failure = runGstPipeline(
        QStringLiteral("videotestsrc pattern=ball num-buffers=100 ! "
                       "video/x-raw,width=320,height=240,framerate=25/1 ! videoconvert ! "
                       "jpegenc ! avimux ! filesink location=\"%1\"")
            .arg(pathHost));
    if (!failure.isEmpty()) {
        *error = QStringLiteral("cannot encode %1: %2").arg(pathHost, failure);
        return false;
    }
    return true;
}

}  // namespace ztv::demo
