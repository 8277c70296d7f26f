#include "tests/support/PictureMakers.h"

#include <QBuffer>
#include <QImageWriter>
#include <QtEndian>

#include <cmath>
#include <cstdio>
#include <cstdlib>
#include <vector>

#include <jpeglib.h>

namespace ztv::test {
namespace {

QByteArray writeWithQt(const QImage& image, const char* format, int quality = -1,
                       bool progressive = false) {
    QByteArray data;
    QBuffer buffer(&data);
    buffer.open(QIODevice::WriteOnly);
    QImageWriter writer(&buffer, format);
    writer.setQuality(quality);
    writer.setProgressiveScanWrite(progressive);
    writer.write(image);
    return data;
}

void putLe16(QByteArray& out, int value) {
    out.append(char(value & 0xFF));
    out.append(char((value >> 8) & 0xFF));
}

int bitsFor(qsizetype colours) {
    int bits = 1;
    while ((qsizetype(1) << bits) < colours)
        ++bits;
    return bits;
}

void putPalette(QByteArray& out, const QList<QRgb>& palette, int bits) {
    for (int i = 0; i < (1 << bits); ++i) {
        const QRgb c = i < palette.size() ? palette[i] : 0;
        out.append(char(qRed(c)));
        out.append(char(qGreen(c)));
        out.append(char(qBlue(c)));
    }
}

// Literal codes only, with a clear code often enough that the code width never grows.
QByteArray lzwLiterals(const QByteArray& indexes, int minCodeSize) {
    const int clear = 1 << minCodeSize, width = minCodeSize + 1;
    QByteArray bytes;
    std::uint32_t accumulator = 0;
    int bitCount = 0;
    auto putCode = [&](int code) {
        accumulator |= std::uint32_t(code) << bitCount;
        bitCount += width;
        while (bitCount >= 8) {
            bytes.append(char(accumulator & 0xFF));
            accumulator >>= 8;
            bitCount -= 8;
        }
    };
    int sinceClear = clear;
    for (char index : indexes) {
        if (sinceClear >= clear - 2) {
            putCode(clear);
            sinceClear = 0;
        }
        putCode(static_cast<unsigned char>(index) & (clear - 1));
        ++sinceClear;
    }
    putCode(clear + 1);
    if (bitCount > 0)
        bytes.append(char(accumulator & 0xFF));
    return bytes;
}

void putSubBlocks(QByteArray& out, const QByteArray& data) {
    for (qsizetype at = 0; at < data.size(); at += 255) {
        const QByteArray block = data.mid(at, 255);
        out.append(char(block.size()));
        out.append(block);
    }
    out.append('\0');
}

QByteArray interlacedRows(const QByteArray& indexes, int width, int height) {
    QByteArray out;
    constexpr int kStart[] = {0, 4, 2, 1}, kStep[] = {8, 8, 4, 2};
    for (int pass = 0; pass < 4; ++pass)
        for (int y = kStart[pass]; y < height; y += kStep[pass])
            out.append(indexes.mid(qsizetype(y) * width, width));
    return out;
}

void putFrame(QByteArray& out, const GifTestFrame& f, int globalBits) {
    if (f.control) {
        out.append("\x21\xF9\x04", 3);
        out.append(char((f.disposal << 2) | (f.transparentIndex >= 0 ? 1 : 0)));
        putLe16(out, f.delayCs);
        out.append(char(f.transparentIndex >= 0 ? f.transparentIndex : 0));
        out.append('\0');
    }
    out.append(char(0x2C));
    putLe16(out, f.rect.x());
    putLe16(out, f.rect.y());
    putLe16(out, f.rect.width());
    putLe16(out, f.rect.height());
    const int localBits = f.localPalette.isEmpty() ? 0 : bitsFor(f.localPalette.size());
    out.append(char((localBits ? 0x80 | (localBits - 1) : 0) | (f.interlaced ? 0x40 : 0)));
    if (localBits)
        putPalette(out, f.localPalette, localBits);
    const int codeSize = std::max(2, localBits ? localBits : globalBits);
    out.append(char(codeSize));
    const QByteArray rows =
        f.interlaced ? interlacedRows(f.indexes, f.rect.width(), f.rect.height()) : f.indexes;
    putSubBlocks(out, lzwLiterals(rows, codeSize));
}

}  // namespace

QImage patternImage(int width, int height) {
    QImage image(width, height, QImage::Format_RGB32);
    for (int y = 0; y < height; ++y)
        for (int x = 0; x < width; ++x) {
            const int block = (x * 4 / std::max(1, width)) + 4 * (y * 3 / std::max(1, height));
            image.setPixel(
                x, y,
                qRgb((block * 37) % 256, (block * 91 + x / 4) % 256, (block * 53 + y / 4) % 256));
        }
    return image;
}

QByteArray makeJpeg(const QImage& image, int quality, bool progressive) {
    return writeWithQt(image, "jpeg", quality, progressive);
}

QByteArray makeCmykJpeg(const QImage& image) {
    jpeg_compress_struct cinfo{};
    jpeg_error_mgr errors{};
    cinfo.err = jpeg_std_error(&errors);
    jpeg_create_compress(&cinfo);
    unsigned char* buffer = nullptr;
    unsigned long size = 0;
    jpeg_mem_dest(&cinfo, &buffer, &size);
    cinfo.image_width = JDIMENSION(image.width());
    cinfo.image_height = JDIMENSION(image.height());
    cinfo.input_components = 4;
    cinfo.in_color_space = JCS_CMYK;
    jpeg_set_defaults(&cinfo);
    jpeg_set_quality(&cinfo, 95, TRUE);
    jpeg_start_compress(&cinfo, TRUE);
    std::vector<JSAMPLE> row(size_t(image.width()) * 4);
    for (int y = 0; y < image.height(); ++y) {
        // Inverted CMYK with no black: the stored components are red, green, blue and 255.
        for (int x = 0; x < image.width(); ++x) {
            const QRgb p = image.pixel(x, y);
            row[size_t(x) * 4 + 0] = JSAMPLE(qRed(p));
            row[size_t(x) * 4 + 1] = JSAMPLE(qGreen(p));
            row[size_t(x) * 4 + 2] = JSAMPLE(qBlue(p));
            row[size_t(x) * 4 + 3] = 255;
        }
        JSAMPROW rows[] = {row.data()};
        jpeg_write_scanlines(&cinfo, rows, 1);
    }
    jpeg_finish_compress(&cinfo);
    jpeg_destroy_compress(&cinfo);
    QByteArray data(reinterpret_cast<const char*>(buffer), qsizetype(size));
    std::free(buffer);
    return data;
}

QByteArray makeBmp(const QImage& image) {
    return writeWithQt(image, "bmp");
}

QByteArray makeIco(const QImage& image) {
    return writeWithQt(image, "ico");
}

QByteArray riffChunk(const QByteArray& id, const QByteArray& body) {
    QByteArray chunk = id;
    QByteArray size(4, '\0');
    qToLittleEndian(quint32(body.size()), size.data());
    chunk += size + body;
    if (body.size() % 2)
        chunk += '\0';
    return chunk;
}

QByteArray makeCursorFrame(const QImage& image, QPoint hotSpot) {
    QByteArray ico = makeIco(image);
    ico[2] = 2;  // resource type: cursor; planes and bit count become the hot spot
    qToLittleEndian(quint16(hotSpot.x()), ico.data() + 10);
    qToLittleEndian(quint16(hotSpot.y()), ico.data() + 12);
    return ico;
}

QByteArray makeAni(const QByteArray& frames) {
    const QByteArray body =
        "ACON" + riffChunk("anih", QByteArray(36, '\0')) + riffChunk("LIST", "fram" + frames);
    return riffChunk("RIFF", body);
}

QByteArray makeGif(const GifTestPicture& picture) {
    QByteArray out("GIF89a");
    putLe16(out, picture.screen.width());
    putLe16(out, picture.screen.height());
    const int globalBits =
        picture.globalPalette.isEmpty() ? 0 : bitsFor(picture.globalPalette.size());
    out.append(char(globalBits ? 0x80 | ((globalBits - 1) << 4) | (globalBits - 1) : 0));
    out.append('\0');
    out.append('\0');
    if (globalBits)
        putPalette(out, picture.globalPalette, globalBits);
    if (picture.loopCount) {
        out.append("\x21\xFF\x0BNETSCAPE2.0\x03\x01", 16);
        putLe16(out, *picture.loopCount);
        out.append('\0');
    }
    for (const GifTestFrame& frame : picture.frames)
        putFrame(out, frame, globalBits);
    if (picture.trailer)
        out.append(char(0x3B));
    return out;
}

GifTestFrame solidGifFrame(const QRect& rect, int index, int disposal, int delayCs) {
    GifTestFrame frame;
    frame.rect = rect;
    frame.indexes = QByteArray(qsizetype(rect.width()) * rect.height(), char(index));
    frame.disposal = disposal;
    frame.delayCs = delayCs;
    return frame;
}

QByteArray makeWav(int ms, int sampleRate) {
    const int samples = int(std::int64_t(sampleRate) * ms / 1000);
    QByteArray out("RIFF");
    auto put32 = [&](std::uint32_t v) {
        char b[4];
        qToLittleEndian(v, b);
        out.append(b, 4);
    };
    put32(36 + std::uint32_t(samples) * 2);
    out.append("WAVEfmt ");
    put32(16);
    putLe16(out, 1);  // PCM
    putLe16(out, 1);  // mono
    put32(std::uint32_t(sampleRate));
    put32(std::uint32_t(sampleRate) * 2);
    putLe16(out, 2);
    putLe16(out, 16);
    out.append("data");
    put32(std::uint32_t(samples) * 2);
    for (int i = 0; i < samples; ++i) {
        const bool beep = i < sampleRate / 10;
        putLe16(out, beep ? int(8000 * std::sin(2 * M_PI * 440 * i / sampleRate)) & 0xFFFF : 0);
    }
    return out;
}

QByteArray makeMidi(bool withTrack) {
    const QByteArray header = QByteArray::fromHex("4d546864000000060000") +
                              QByteArray::fromHex(withTrack ? "0001" : "0000") +
                              QByteArray::fromHex("0060");
    if (!withTrack) {
        return header;
    }
    // Program 0, note on, 96 ticks (half a second at the default tempo), note off, end.
    const QByteArray events = QByteArray::fromHex(
        "00c000"
        "00903c64"
        "60803c40"
        "00ff2f00");
    QByteArray track = QByteArray("MTrk") + QByteArray::fromHex("00000000");
    track[7] = char(events.size());
    return header + track + events;
}

}  // namespace ztv::test
