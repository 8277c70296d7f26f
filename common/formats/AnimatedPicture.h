#pragma once

#include <QByteArray>
#include <QImage>
#include <QList>
#include <QRect>
#include <QString>
#include <cstdint>
#include <optional>

// The animated picture component: a GIF decoded into its frames. It never animates by itself;
// the elements and the editor's previews step through its frames.
namespace ztv {

// The component's load results; the names are the texts shown to the user.
enum class GifError {
    None = 0,
    OperationCancelled = 1,
    InternalError = 2,
    InvalidFileFormat = 3,
    TooManyColors = 4,
    IndexOutOfBounds = 5,
    WindowsGdiError = 6,
    FileNotFound = 7,
    ResourceNotFound = 8,
};

QString gifErrorName(GifError error);
// "Load Failed. Error Code = %d [%s]" with the code and its name.
QString gifLoadFailedMessage(GifError error);

struct GifFrame {
    QImage image;  // the frame's own pixels, Format_ARGB32_Premultiplied, transparent where
                   // the frame's transparent index is
    int left = 0;  // position and size on the logical screen, already clipped to it
    int top = 0;
    int width = 0;
    int height = 0;
    std::optional<QRgb> transparentColour;  // the palette colour of the transparent index
    int disposal = 0;                       // 0 none, 1 keep, 2 restore background, 3 previous
    int delayMs = 0;
    QRect rect() const { return QRect(left, top, width, height); }
};

// Frame rectangles are mapped by x * xNum / xDen and y * yNum / yDen (a stretched display).
struct FrameScale {
    std::int64_t xNum = 1, xDen = 1, yNum = 1, yDen = 1;
};

class AnimatedPicture {
  public:
    GifError load(const QByteArray& data);
    GifError loadFile(const QString& hostPath);

    int frameCount() const { return int(frames_.size()); }
    bool hasSeveralFrames() const { return frames_.size() > 1; }
    const GifFrame& frame(int i) const { return frames_.at(i); }
    const QList<GifFrame>& frames() const { return frames_; }
    // The NETSCAPE2.0 loop count (0 = endless); 1 when the file has no such block.
    int loopCount() const { return loopCount_; }
    QSize size() const { return size_; }
    int longestDelayMs() const;

    // Frames 0..count-1 composed one by one on canvases of canvasSize, first filled with
    // fill: a frame of disposal 0 or 1 is laid over the previous composed frame; of disposal
    // 2 over frame 0 when frame 0's disposal was 0; of disposal 3 over frame 0 when frame 0's
    // disposal was 1; otherwise over the fill. Its own pixels are then drawn at its (scaled)
    // rectangle with its transparency. count is capped by the frames there are and by the
    // composition cap.
    QList<QImage> composeFrames(int count, QSize canvasSize, QRgb fill,
                                const FrameScale& scale = {}) const;
    // Frame i as it shows on the logical screen over a transparent background.
    QImage composeFrame(int i) const;

  private:
    QList<GifFrame> frames_;
    QSize size_;
    int loopCount_ = 1;
};

}  // namespace ztv
