#include "bench/BenchPictures.h"

#include "common/formats/JpegCodec.h"

#include <QFile>
#include <QRandomGenerator>
#include <cstdlib>

namespace ztv::bench {

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

JpegPictures::JpegPictures() {
    for (int i = 0; i < kPictures; ++i) {
        const QString path = dir.filePath(QStringLiteral("picture%1.jpg").arg(i));
        QFile file(path);
        if (!file.open(QIODevice::WriteOnly) ||
            file.write(ztv::jpeg::encode(photoLikePicture(i), 85)) <= 0) {
            std::abort();
        }
        paths.push_back(path);
    }
}

JpegPictures& jpegPictures() {
    static JpegPictures made;
    return made;
}

void plainLibjpegDecode(const QString& path, std::vector<JSAMPLE>& pixels) {
    FILE* file = std::fopen(path.toLocal8Bit().constData(), "rb");
    if (file == nullptr) {
        std::abort();
    }
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
}

}  // namespace ztv::bench
