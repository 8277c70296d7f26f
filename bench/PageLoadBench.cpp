// Loading a page of twenty 1024x768 JPEG pictures through the player's page load, which decodes
// them on a pool of threads, beside the same pictures decoded one after the other by our loader
// and by plain libjpeg-turbo. Each reports the wall time of the page (Time), the CPU time of the
// whole process (CPU, every thread counted) and both per picture. Targets: the CPU per picture
// of our loader and of the page load within 1.3x of plain libjpeg-turbo; the page load's wall
// time below the sequential decode's.
#include "bench/BenchPictures.h"
#include "common/ElementRecord.h"
#include "common/PictureLoader.h"
#include "common/platform/FileIo.h"
#include "player/ZTVImage.h"
#include "player/elements/ZtvCaseImage.h"

#include <benchmark/benchmark.h>

#include <QDir>
#include <QGuiApplication>
#include <chrono>
#include <cstdlib>
#include <ctime>

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

double processCpuSeconds() {
    timespec t{};
    clock_gettime(CLOCK_PROCESS_CPUTIME_ID, &t);
    return double(t.tv_sec) + double(t.tv_nsec) * 1e-9;
}

// Runs loadPage once per iteration and reports the costs per picture.
template <class F>
void measurePages(benchmark::State& state, F&& loadPage) {
    const double cpuBefore = processCpuSeconds();
    const auto wallBefore = std::chrono::steady_clock::now();
    for (auto _ : state) {
        loadPage();
    }
    const double wall =
        std::chrono::duration<double>(std::chrono::steady_clock::now() - wallBefore).count();
    const double pictures = double(state.iterations()) * kPictures;
    state.counters["cpu_ms_per_picture"] = (processCpuSeconds() - cpuBefore) * 1000 / pictures;
    state.counters["wall_ms_per_picture"] = wall * 1000 / pictures;
}

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
    measurePages(state, [&] {
        engine.ChargerPage(1, 1);
        if (!static_cast<const ztv::TZtvCaseImage*>(engine.pagePlay().elements.at(23, 1))
                 ->hasPicture()) {
            state.SkipWithError("a picture did not load");
        }
    });
}

// The twenty pictures one after the other through our loader, all kept until the next page as
// a page keeps them.
void sequentialDecode(benchmark::State& state) {
    std::vector<ztv::Picture> page(kPictures);
    measurePages(state, [&] {
        page.assign(kPictures, {});
        for (int i = 0; i < kPictures; ++i) {
            page[i] = ztv::loadPictureFile(jpegPictures().paths[i]);
            if (!page[i].ok()) {
                state.SkipWithError("decode failed");
            }
        }
    });
}

void plainLibjpegDecode(benchmark::State& state) {
    std::vector<JSAMPLE> pixels;
    measurePages(state, [&] {
        for (const QString& path : jpegPictures().paths) {
            ztv::bench::plainLibjpegDecode(path, pixels);
            benchmark::DoNotOptimize(pixels.data());
        }
    });
}

BENCHMARK(plainLibjpegDecode)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0)
    ->UseRealTime()
    ->MeasureProcessCPUTime();
BENCHMARK(sequentialDecode)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0)
    ->UseRealTime()
    ->MeasureProcessCPUTime();
BENCHMARK(pageLoad)
    ->Unit(benchmark::kMillisecond)
    ->MinTime(2.0)
    ->UseRealTime()
    ->MeasureProcessCPUTime();

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
