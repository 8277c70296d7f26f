// Decoding twenty 1024x768 JPEG pictures through our loader, beside a plain libjpeg-turbo
// decode of the same files. Each iteration decodes one picture, so the time per iteration is
// the time per picture. Target: the loader within 1.3x of the plain decode.
#include "common/JpegCodec.h"
#include "common/PictureLoader.h"

#include <benchmark/benchmark.h>

#include <QFile>
#include <QGuiApplication>
#include <QRandomGenerator>
#include <QTemporaryDir>

#include <cstdio>
#include <vector>

#include <jpeglib.h>

namespace {

constexpr int kPictures = 20;

// Smooth gradients with some grain, so the files have the size and entropy of photographs.
QImage photoLikePicture(int seed) {
    QImage image(1024, 768, QImage::Format_RGB32);
    QRandomGenerator random(quint32(seed) + 1);
    for (int y = 0; y < image.height(); ++y) {
        auto* line = reinterpret_cast<QRgb*>(image.scanLine(y));
        for (int x = 0; x < image.width(); ++x) {
            const int grain = int(random.bounded(24));
            line[x] = qRgb((x / 4 + seed * 13 + grain) % 256, (y / 3 + grain) % 256,
                           ((x + y) / 8 + seed * 29) % 256);
        }
    }
    return image;
}

struct Pictures {
    QTemporaryDir dir;
    std::vector<QString> paths;
    Pictures() {
        for (int i = 0; i < kPictures; ++i) {
            const QString path = dir.filePath(QStringLiteral("picture%1.jpg").arg(i));
            QFile file(path);
            if (!file.open(QIODevice::WriteOnly) ||
                file.write(ztv::jpeg::encode(photoLikePicture(i), 85)) <= 0)
                std::abort();
            paths.push_back(path);
        }
    }
};

Pictures& pictures() {
    static Pictures made;
    return made;
}

void loaderDecode(benchmark::State& state) {
    int i = 0;
    for (auto _ : state) {
        const ztv::Picture picture = ztv::loadPictureFile(pictures().paths[i++ % kPictures]);
        if (!picture.ok())
            state.SkipWithError("decode failed");
        benchmark::DoNotOptimize(picture.image.constBits());
    }
}

// The plain libjpeg way: a stdio source and RGB rows into one buffer.
void plainLibjpegDecode(benchmark::State& state) {
    int i = 0;
    std::vector<JSAMPLE> pixels;
    for (auto _ : state) {
        FILE* file = std::fopen(pictures().paths[i++ % kPictures].toLocal8Bit().constData(), "rb");
        jpeg_decompress_struct cinfo{};
        jpeg_error_mgr errors{};
        cinfo.err = jpeg_std_error(&errors);
        jpeg_create_decompress(&cinfo);
        jpeg_stdio_src(&cinfo, file);
        jpeg_read_header(&cinfo, TRUE);
        cinfo.out_color_space = JCS_RGB;
        jpeg_start_decompress(&cinfo);
        const size_t stride = size_t(cinfo.output_width) * 3;
        pixels.resize(stride * cinfo.output_height);
        while (cinfo.output_scanline < cinfo.output_height) {
            JSAMPROW row = pixels.data() + stride * cinfo.output_scanline;
            jpeg_read_scanlines(&cinfo, &row, 1);
        }
        jpeg_finish_decompress(&cinfo);
        jpeg_destroy_decompress(&cinfo);
        std::fclose(file);
        benchmark::DoNotOptimize(pixels.data());
    }
}

BENCHMARK(plainLibjpegDecode)->Unit(benchmark::kMillisecond)->MinTime(2.0);
BENCHMARK(loaderDecode)->Unit(benchmark::kMillisecond)->MinTime(2.0);

}  // namespace

int main(int argc, char** argv) {
    qputenv("QT_QPA_PLATFORM", "offscreen");
    QGuiApplication app(argc, argv);
    benchmark::Initialize(&argc, argv);
    benchmark::RunSpecifiedBenchmarks();
    benchmark::Shutdown();
    return 0;
}
