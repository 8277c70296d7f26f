#pragma once

#include <QImage>
#include <QList>
#include <QSize>
#include <QString>
#include <QStringList>

namespace ztv {
class LanguageFile;
}

namespace ztv::editor {

// The pictures of an animation being made, in frame order, all of one size: the first picture
// accepted into an empty list sets the size. An animated GIF brings each of its frames. No
// widgets: the maker's window shows and commands it.
class AnimationFrames {
  public:
    struct Frame {
        QString hostPath;
        int gifFrame = -1;  // the frame of an animated GIF, -1 for a whole picture
        QImage image;       // Format_RGB32
    };

    // Why a picture was not added.
    struct Refusal {
        enum Reason { OtherSize, Unreadable, TooMany, TooLarge } reason;
        QString hostPath;
        QSize size;  // the picture's, for OtherSize
    };

    // Adds the pictures in order; those refused are returned, in order. The list holds at most
    // 256 frames, and no more pixels than the player reads from one GIF.
    QList<Refusal> add(const QStringList& hostPaths);
    void remove(int index);
    // Moves the frame at `from` to `to`; false when either is outside the list.
    bool move(int from, int to);

    int count() const { return int(frames_.size()); }
    bool isEmpty() const { return frames_.isEmpty(); }
    const Frame& frame(int i) const { return frames_.at(i); }
    QList<QImage> images() const;
    // (-1, -1) while the list is empty.
    QSize frameSize() const { return frameSize_; }
    // What the list shows for frame i: its path, and the frame's number within a GIF.
    QString label(int i) const;

  private:
    QList<Frame> picturesOf(const QString& hostPath) const;

    QList<Frame> frames_;
    QSize frameSize_{-1, -1};
};

// The message that tells why a picture was not added, from the language's lines.
QString refusalMessage(const LanguageFile& language, const AnimationFrames::Refusal& refusal,
                       QSize frameSize);

}  // namespace ztv::editor
