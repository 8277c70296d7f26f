#pragma once

#include <QImage>
#include <QList>
#include <QPoint>
#include <QRgb>
#include <QSize>
#include <optional>

namespace ztv {

class PageCanvas;
struct LoadedPicture;

// Where a character or an animation ends (`size`): on its first frame, its last frame, the page
// under it, or the frame it showed last.
enum class EndPose { Current, First, Last, Nothing };
EndPose endPoseOf(int size);

// count frames of frameSize cut from the strip (or taken from the GIF the load kept). A strip
// that holds fewer whole frames than count gives the ones it holds.
QList<QImage> cutSpriteFrames(const PageCanvas& page, LoadedPicture& loaded, const QImage& strip,
                              int count, QSize frameSize, std::optional<QRgb> mask);

// The frames of a character or animation and the one it is at. The frames it cycles through
// are the ones the strip gave, however many the record asked for.
class SpriteFrames {
  public:
    SpriteFrames() = default;
    // `mask`: the colour drawn see-through (the transparent appearance modes).
    SpriteFrames(QList<QImage> frames, std::optional<QRgb> mask);

    bool isEmpty() const { return frames_.isEmpty(); }
    int count() const { return int(frames_.size()); }
    int current() const { return current_; }
    const QImage& frame() const { return frames_.at(current_); }
    // Moves on to the next frame; true when that went back to the first.
    bool advance();
    // The frame an end pose shows; Nothing and Current leave it as it is.
    void goToEndPose(EndPose pose);
    // The current frame as it shows over `under` (the page under it, of the frame's size),
    // drawn onto target at `at`: through the mask colour, or whole when there is none. One pass
    // over the pixels, so that a full-screen figure keeps its pace.
    void drawOver(QImage& target, QPoint at, const QImage& under) const;
    bool seeThrough() const { return mask_.has_value(); }

  private:
    QList<QImage> frames_;
    std::optional<QRgb> mask_;
    int current_ = 0;
};

}  // namespace ztv
