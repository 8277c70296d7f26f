#pragma once

#include <QImage>
#include <QList>
#include <QRgb>
#include <QSize>
#include <optional>

namespace ztv {

class PageCanvas;
struct LoadedPicture;

// The frames a sprite cycles through on its way, and the pose it ends in.
class SpriteFrames {
  public:
    // `size` values of the end pose; any other value keeps the frame that comes next.
    enum EndPose { FirstFramePose = 1, LastFramePose = 2, NothingPose = 3 };

    SpriteFrames() = default;
    // count frames of frameSize cut from the strip (or taken from the GIF the load kept). A
    // strip that holds fewer frames than count gives the ones it holds, and the sprite loops
    // over those.
    SpriteFrames(const PageCanvas& page, LoadedPicture& loaded, const QImage& strip, int count,
                 QSize frameSize, std::optional<QRgb> mask);

    bool isEmpty() const { return frames_.isEmpty(); }
    int count() const { return int(frames_.size()); }
    int index() const { return index_; }
    const QImage& current() const { return frames_.at(index_); }
    // The next frame in the cycle, back to the first after the last.
    void advance();
    // The frame the end pose shows (NothingPose goes on once more; the caller draws nothing).
    void takeEndPose(int pose);

  private:
    QList<QImage> frames_;
    int index_ = 0;
};

}  // namespace ztv
