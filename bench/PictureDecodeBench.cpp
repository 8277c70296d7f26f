// Decoding twenty 1024x768 JPEG pictures through our loader, beside a plain libjpeg-turbo
// decode of the same files. Each iteration decodes one picture, so the time per iteration is
// the time per picture. Target: the loader within 1.3x of the plain decode.
#include "bench/BenchPictures.h"
#include "common/formats/PictureLoader.h"

#include <benchmark/benchmark.h>

#include <vector>

namespace {

using ztv::bench::jpegPictures;
using ztv::bench::kPictures;

void loaderDecode(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        const ztv::Picture picture = ztv::loadPictureFile(jpegPictures().paths[i++ % kPictures]);
        if (!picture.ok())
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(picture.image.constBits());
    }
}

void plainLibjpegDecode(benchmark::State& state) {
    int i = 0;
    std::vector<JSAMPLE> pixels;
    for (auto _ : state) {
        ztv::bench::plainLibjpegDecode(jpegPictures().paths[i++ % kPictures], pixels);
        benchmark::DoNotOptimize(pixels.data());
    }
}

BENCHMARK(plainLibjpegDecode)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(loaderDecode)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace
