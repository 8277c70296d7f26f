// Making one animated GIF from twelve photo-like 320 x 240 frames: our writer (median-cut
// palette and Floyd-Steinberg dithering, one palette a frame) beside ImageMagick's convert
// making the same GIF from the same frames. Targets: ours faster, and its mean colour error per
// pixel against the source frames no worse. convert's time includes its start-up and reading
// the PNG frames, a few milliseconds; when convert is not installed, only ours is measured.
#include "bench/BenchPictures.h"
#include "common/formats/AnimatedPicture.h"
#include "common/formats/ColourError.h"
#include "common/formats/GifWriter.h"

#include <QCoreApplication>
#include <QElapsedTimer>
#include <QProcess>
#include <QTemporaryDir>
#include <algorithm>
#include <cstdio>
#include <functional>

namespace {

constexpr int kFrames = 12;
constexpr int kRuns = 5;
constexpr ztv::GifWriteOptions kOptions{0, 100, false};

// The fastest of the runs, in milliseconds; -1 when a run fails.
double fastest(const std::function<bool()>& run) {
    double best = -1;
    for (int i = 0; i < kRuns; ++i) {
        QElapsedTimer timer;
        timer.start();
        if (!run()) {
            return -1;
        }
        const double ms = double(timer.nsecsElapsed()) / 1e6;
        best = best < 0 ? ms : std::min(best, ms);
    }
    return best;
}

// The mean colour error per pixel of the GIF's frames against the source frames; -1 when the
// GIF does not hold them all.
double gifError(const QString& path, const QList<QImage>& sources) {
    ztv::AnimatedPicture gif;
    if (gif.loadFile(path) != ztv::GifError::None || gif.frameCount() != sources.size()) {
        return -1;
    }
    double total = 0;
    for (int i = 0; i < sources.size(); ++i) {
        total += ztv::meanColourError(gif.composeFrame(i), sources[i]);
    }
    return total / double(sources.size());
}

bool convertInstalled() {
    QProcess probe;
    probe.start(QStringLiteral("convert"), {QStringLiteral("-version")});
    return probe.waitForFinished(10000) && probe.exitCode() == 0 &&
           probe.readAllStandardOutput().contains("ImageMagick");
}

void report(const char* who, double ms, double error) {
    std::printf("%-28s %10.1f ms %12.2f\n", who, ms, error);
}

}  // namespace

int main(int argc, char** argv) {
    QCoreApplication app(argc, argv);
    QTemporaryDir dir;
    QList<QImage> frames;
    QStringList convertArguments{QStringLiteral("-delay"), QStringLiteral("10"),
                                 QStringLiteral("-loop"), QStringLiteral("0")};
    for (int i = 0; i < kFrames; ++i) {
        frames.append(ztv::bench::photoLikePicture(i)
                          .scaled(320, 240, Qt::IgnoreAspectRatio, Qt::SmoothTransformation)
                          .convertToFormat(QImage::Format_RGB32));
        const QString png = dir.filePath(QStringLiteral("frame%1.png").arg(i));
        if (!frames.last().save(png)) {
            return 1;
        }
        convertArguments << png;
    }
    const QString ours = dir.filePath(QStringLiteral("ours.gif"));
    const double oursMs =
        fastest([&] { return ztv::writeAnimatedGif(ours, frames, kOptions) == 0; });
    std::printf("%d frames of 320 x 240, fastest of %d runs\n", kFrames, kRuns);
    std::printf("%-28s %13s %12s\n", "", "time", "mean error");
    report("ours (median cut + FS)", oursMs, gifError(ours, frames));

    if (!convertInstalled()) {
        std::printf("convert: not installed, skipped\n");
        return oursMs < 0 ? 1 : 0;
    }
    const QString theirs = dir.filePath(QStringLiteral("convert.gif"));
    convertArguments << theirs;
    const double convertMs = fastest(
        [&] { return QProcess::execute(QStringLiteral("convert"), convertArguments) == 0; });
    report("ImageMagick convert", convertMs, gifError(theirs, frames));
    return oursMs < 0 || convertMs < 0 ? 1 : 0;
}
