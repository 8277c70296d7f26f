#include "common/formats/JpegCodec.h"

#include "common/formats/PictureMemory.h"
#include "common/platform/SafetyLimits.h"

#include <QPainter>

#include <algorithm>
#include <csetjmp>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jerror.h>
#include <jpeglib.h>

namespace ztv::jpeg {
namespace {

// libjpeg reports fatal errors through error_exit, which must not return: we jump back to the
// call that started the work. Objects with destructors never live between setjmp and longjmp.
struct ErrorManager {
    jpeg_error_mgr base;
    std::jmp_buf jump;
    bool truncated = false;
};

[[noreturn]] void onFatalError(j_common_ptr cinfo) {
    std::longjmp(reinterpret_cast<ErrorManager*>(cinfo->err)->jump, 1);
}

// Warnings are silent; a stream that ends early is remembered so the picture is refused
// instead of being shown half grey.
void onMessage(j_common_ptr cinfo, int level) {
    if (level < 0 && cinfo->err->msg_code == JWRN_JPEG_EOF)
        reinterpret_cast<ErrorManager*>(cinfo->err)->truncated = true;
}

void installErrorManager(ErrorManager& errors, j_common_ptr cinfo) {
    cinfo->err = jpeg_std_error(&errors.base);
    errors.base.error_exit = onFatalError;
    errors.base.emit_message = onMessage;
    errors.base.output_message = [](j_common_ptr) {};
}

// A progressive stream may hold any number of scans; each costs a full pass.
void limitScans(j_common_ptr cinfo) {
    auto* d = reinterpret_cast<j_decompress_ptr>(cinfo);
    if (d->is_decompressor && d->input_scan_number > limits::kMaxJpegScans)
        onFatalError(cinfo);
}

constexpr J_COLOR_SPACE kRgb32Space =
    QSysInfo::ByteOrder == QSysInfo::LittleEndian ? JCS_EXT_BGRA : JCS_EXT_ARGB;

bool isCmyk(J_COLOR_SPACE space) {
    return space == JCS_CMYK || space == JCS_YCCK;
}

// Adobe writes inverted CMYK; others write it plain.
void cmykRowToRgb32(const JSAMPLE* cmyk, QRgb* out, int width, bool inverted) {
    for (int x = 0; x < width; ++x, cmyk += 4) {
        int c = cmyk[0], m = cmyk[1], y = cmyk[2], k = cmyk[3];
        if (!inverted) {
            c = 255 - c;
            m = 255 - m;
            y = 255 - y;
            k = 255 - k;
        }
        out[x] = qRgb(c * k / 255, m * k / 255, y * k / 255);
    }
}

// Reads every scanline into image (already allocated). Returns false on a fatal error.
bool readScanlines(jpeg_decompress_struct& cinfo, ErrorManager& errors, QImage& image,
                   std::vector<JSAMPLE>& cmykRow) {
    if (setjmp(errors.jump))
        return false;
    jpeg_start_decompress(&cinfo);
    const bool cmyk = cinfo.out_color_space == JCS_CMYK;
    while (cinfo.output_scanline < cinfo.output_height) {
        const int y = int(cinfo.output_scanline);
        JSAMPROW row = cmyk ? cmykRow.data() : image.scanLine(y);
        if (jpeg_read_scanlines(&cinfo, &row, 1) != 1)
            return false;
        if (cmyk)
            cmykRowToRgb32(cmykRow.data(), reinterpret_cast<QRgb*>(image.scanLine(y)),
                           image.width(), cinfo.saw_Adobe_marker);
    }
    jpeg_finish_decompress(&cinfo);
    return true;
}

// A Huffman-coded stream spends at least one bit on every 8x8 block of every component, so a
// file far too short for the size it declares is refused before its buffers are allocated.
// Arithmetic coding can go below a bit per block and is not judged this way.
bool longEnoughForItsBlocks(const jpeg_decompress_struct& cinfo, qsizetype bytes) {
    if (cinfo.arith_code)
        return true;
    for (int i = 0; i < cinfo.num_components; ++i) {
        const jpeg_component_info& c = cinfo.comp_info[i];
        if (std::int64_t(c.width_in_blocks) * c.height_in_blocks > std::int64_t(bytes) * 8)
            return false;
    }
    return true;
}

bool readHeader(jpeg_decompress_struct& cinfo, ErrorManager& errors, const QByteArray& data) {
    if (setjmp(errors.jump))
        return false;
    jpeg_create_decompress(&cinfo);
    jpeg_mem_src(&cinfo, reinterpret_cast<const unsigned char*>(data.constData()),
                 static_cast<unsigned long>(data.size()));
    return jpeg_read_header(&cinfo, TRUE) == JPEG_HEADER_OK;
}

}  // namespace

std::optional<QImage> decode(const QByteArray& data) {
    if (data.isEmpty())
        return std::nullopt;
    jpeg_decompress_struct cinfo{};
    ErrorManager errors;
    installErrorManager(errors, reinterpret_cast<j_common_ptr>(&cinfo));
    jpeg_progress_mgr progress{};
    progress.progress_monitor = limitScans;

    std::optional<QImage> result;
    if (readHeader(cinfo, errors, data) &&
        limits::pictureSizeAllowed(cinfo.image_width, cinfo.image_height) &&
        longEnoughForItsBlocks(cinfo, data.size())) {
        cinfo.progress = &progress;
        cinfo.out_color_space = isCmyk(cinfo.jpeg_color_space) ? JCS_CMYK : kRgb32Space;
        QImage image = picturememory::newImage(int(cinfo.image_width), int(cinfo.image_height),
                                               QImage::Format_RGB32);
        std::vector<JSAMPLE> cmykRow(isCmyk(cinfo.jpeg_color_space) ? cinfo.image_width * 4 : 0);
        if (!image.isNull() && readScanlines(cinfo, errors, image, cmykRow) && !errors.truncated)
            result = std::move(image);
    }
    jpeg_destroy_decompress(&cinfo);
    return result;
}

namespace {

bool writeScanlines(jpeg_compress_struct& cinfo, ErrorManager& errors, const QImage& image,
                    int quality, unsigned char** buffer, unsigned long* size) {
    if (setjmp(errors.jump))
        return false;
    jpeg_create_compress(&cinfo);
    jpeg_mem_dest(&cinfo, buffer, size);
    cinfo.image_width = JDIMENSION(image.width());
    cinfo.image_height = JDIMENSION(image.height());
    cinfo.input_components = 4;
    cinfo.in_color_space = kRgb32Space;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, quality, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    while (cinfo.next_scanline < cinfo.image_height) {
        // libjpeg's API takes non-const rows but only reads them.
        auto* row = const_cast<JSAMPLE*>(image.constScanLine(int(cinfo.next_scanline)));
        jpeg_write_scanlines(&cinfo, &row, 1);
    }
    jpeg_finish_compress(&cinfo);
    return true;
}

}  // namespace

QByteArray encode(const QImage& image, int quality) {
    // The format's own limit: libjpeg would end the process on a larger side.
    constexpr int kMaxJpegSide = 65500;
    if (image.isNull() || image.width() > kMaxJpegSide || image.height() > kMaxJpegSide)
        return {};
    // Transparent pixels are flattened onto white, as a painted picture would show them.
    QImage opaque(image.size(), QImage::Format_RGB32);
    opaque.fill(Qt::white);
    {
        QPainter painter(&opaque);
        painter.drawImage(0, 0, image);
    }
    jpeg_compress_struct cinfo{};
    ErrorManager errors;
    installErrorManager(errors, reinterpret_cast<j_common_ptr>(&cinfo));
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    QByteArray result;
    if (writeScanlines(cinfo, errors, opaque, std::clamp(quality, 1, 100), &buffer, &size))
        result = QByteArray(reinterpret_cast<const char*>(buffer), qsizetype(size));
    jpeg_destroy_compress(&cinfo);
    std::free(buffer);
    return result;
}

}  // namespace ztv::jpeg
