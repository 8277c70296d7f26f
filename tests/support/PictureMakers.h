#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QPoint>
#include <QRect>
#include <QSize>
#include <optional>

// Pictures and sounds made by code for the tests. JPEG, BMP and ICO come from Qt's own
// writers and GIF from a small independent writer, so our decoders are never checked against
// themselves.
namespace ztv::test {

// An opaque picture of distinct colour blocks and gradients, easy to compare after a round
// trip through a lossy codec.
QImage patternImage(int width, int height);

QByteArray makeJpeg(const QImage& image, int quality = 90, bool progressive = false);
// A four-component JPEG as Adobe programs write CMYK (inverted, with the Adobe marker).
QByteArray makeCmykJpeg(const QImage& image);
QByteArray makeBmp(const QImage& image);
QByteArray makeIco(const QImage& image);

struct GifTestFrame {
    QRect rect;                // on the logical screen
    QByteArray indexes;        // width x height palette indexes, rows top to bottom
    QList<QRgb> localPalette;  // empty: the global palette
    int disposal = 0;
    int delayCs = 0;            // hundredths of a second
    int transparentIndex = -1;  // -1: none
    bool interlaced = false;
    bool control = true;  // write a graphic control block
};

struct GifTestPicture {
    QSize screen;
    QList<QRgb> globalPalette;  // empty: none
    std::optional<int> loopCount;
    QList<GifTestFrame> frames;
    bool trailer = true;
};

// A GIF89a file; the image data is coded with literal codes only (valid LZW, no compression).
QByteArray makeGif(const GifTestPicture& picture);
// A frame filled with one index.
GifTestFrame solidGifFrame(const QRect& rect, int index, int disposal = 0, int delayCs = 0);

// A RIFF chunk: id, little-endian size, body, padded to an even length.
QByteArray riffChunk(const QByteArray& id, const QByteArray& body);
// An icon of `image` whose header says cursor, with its hot spot.
QByteArray makeCursorFrame(const QImage& image, QPoint hotSpot);
// An animated cursor ("RIFF" "ACON"): a header chunk, then a "fram" list holding `frames` (the
// "icon" chunks, as they are).
QByteArray makeAni(const QByteArray& frames);

// A 16-bit PCM mono WAV of silence with a 440 Hz beep, ms milliseconds long.
QByteArray makeWav(int ms, int sampleRate = 22050);
// A standard MIDI file written byte by byte: one half-second note on the piano, or a header
// that promises no track at all.
QByteArray makeMidi(bool withTrack = true);

}  // namespace ztv::test
