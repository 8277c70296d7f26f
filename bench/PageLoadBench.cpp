// Loading a page of twenty 1024x768 JPEG pictures through the player's page load, which decodes
// them on a pool of threads, beside the same pictures decoded one after the other by our loader
// and by plain libjpeg-turbo. Each reports the wall time of the page (Time), the CPU time of the
// whole process (CPU, every thread counted) and both per picture. Targets: the CPU per picture
// of our loader and of the page load within 1.3x of plain libjpeg-turbo; the page load's wall
// time below the sequential decode's.
#include "bench/BenchPage.h"
#include "bench/BenchPictures.h"
#include "common/formats/ElementRecord.h"
#include "common/formats/PictureLoader.h"
#include "player/elements/ImageElement.h"
#include "player/engine/Engine.h"

#include <benchmark/benchmark.h>

#include <chrono>
#include <cstdlib>
#include <ctime>

namespace {

using ztv::bench::jpegPictures;
using ztv::bench::kPictures;

// Page 1 holds the twenty pictures, one per picture row, in column 1.
QList<ztv::ElementRecord> pictureRecords() {
    QList<ztv::ElementRecord> records;
    for (int i = 0; i < kPictures; ++i) {
        ztv::ElementRecord r;
        r.Ligne = 4 + i;
        r.Colonne = 1;
        r.Fichier = QString(jpegPictures().paths[i]).replace(u'/', u'\\');
        r.Largeur = 1024;
        r.Hauteur = 768;
        records.append(r);
    }
    return records;
}

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
    ztv::bench::BenchPage page(QSize(1024, 768), pictureRecords());
    ztv::Engine& engine = page.engine();
    measurePages(state, [&] {
        engine.loadPage(1, 1);
        if (!static_cast<const ztv::ImageElement*>(engine.pagePlay().elements.at(23, 1))
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
