// Loading a page of twenty 1024x768 JPEG pictures through the player's page load, beside a
// plain libjpeg-turbo decode of the same files. Both report the time per picture. Target: the
// page load within 1.3x of the plain decode.
#include "bench/BenchPictures.h"
#include "common/ElementRecord.h"
#include "common/platform/FileIo.h"
#include "player/ZTVImage.h"
#include "player/elements/ZtvCaseImage.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <cstdlib>

namespace {

using ztv::bench::jpegPictures;
using ztv::bench::kPictures;

// Any message means the page did not load as it should.
class AbortingPrompter : public ztv::Prompter {
  public:
    int ask(const QString& text, const QString&, Buttons) override {
        qFatal("unexpected message: %s", qPrintable(text));
        return Ok;
    }
    QString openFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString saveFileName(const QString&, const QString&, const QString&) override { return {}; }
    QString folderName(const QString&, const QString&) override { return {}; }
};

// A working copy whose page 1 holds the twenty pictures, one per picture row, in column 1.
struct PictureProject {
    QTemporaryDir dir;
    PictureProject() {
        const QString base = dir.filePath(QStringLiteral("base"));
        QDir().mkpath(base);
        QStringList settings(16, QStringLiteral("$"));
        settings[1] = QStringLiteral("1024");
        settings[2] = QStringLiteral("768");
        settings[5] = QStringLiteral("2");
        QByteArray page(ztv::kPageRecordSize, '\0');
        for (int i = 0; i < kPictures; ++i) {
            ztv::ElementRecord r;
            r.Ligne = 4 + i;
            r.Colonne = 1;
            r.Fichier = QString(jpegPictures().paths[i]).replace(u'/', u'\\');
            r.Largeur = 1024;
            r.Hauteur = 768;
            page += ztv::encodePageRecord(r);
        }
        if (!ztv::writeLines(QDir(base).filePath(QStringLiteral("$inip.ini")), settings) ||
            !ztv::writeFileAtomically(QDir(base).filePath(QStringLiteral("1.JOU")), page) ||
            !ztv::copyFileAtomically(QStringLiteral(ZTV_SOURCE_DIR "/assets/lang/FRENCH.asc"),
                                     dir.filePath(QStringLiteral("rlang.asc")))) {
            std::abort();
        }
    }
};

void pageLoad(benchmark::State& state) {
    PictureProject project;
    AbortingPrompter prompter;
    ztv::ManualClock clock;
    ztv::PlayerEnvironment env;
    env.prompter = &prompter;
    env.clock = &clock;
    env.drives.set(u'C', QStringLiteral("/"), ztv::DriveType::Fixed);
    env.screenSize = QSize(1024, 768);
    env.programPath = project.dir.filePath(QStringLiteral("ztvplay"));
    env.arguments = {QStringLiteral("somm"), QStringLiteral("1"), project.dir.path()};
    ztv::TZTVImage engine(std::move(env));
    if (!engine.Initialiser(project.dir.path())) {
        std::abort();
    }
    for (auto _ : state) {
        engine.ChargerPage(1, 1);
        if (!static_cast<const ztv::TZtvCaseImage*>(engine.pagePlay().elements.at(23, 1))
                 ->hasPicture()) {
            state.SkipWithError("a picture did not load");
        }
    }
    state.counters["per_picture"] = benchmark::Counter(
        kPictures, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

void plainLibjpegDecode(benchmark::State& state) {
    std::vector<JSAMPLE> pixels;
    for (auto _ : state) {
        for (const QString& path : jpegPictures().paths) {
            ztv::bench::plainLibjpegDecode(path, pixels);
            benchmark::DoNotOptimize(pixels.data());
        }
    }
    state.counters["per_picture"] = benchmark::Counter(
        kPictures, benchmark::Counter::kIsIterationInvariantRate | benchmark::Counter::kInvert);
}

BENCHMARK(plainLibjpegDecode)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(pageLoad)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
