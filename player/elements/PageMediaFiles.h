#pragma once

#include "player/elements/MediaPath.h"

#include <QString>

class QIODevice;

namespace ztv {

class PicturePrefetch;

// Where a played page's media come from besides their stored paths: the media data file of a
// project packed page by page, the pictures decoded ahead, and where packing put sounds and
// videos. Without it, media are read where their stored paths say.
class PageMediaFiles {
  public:
    virtual ~PageMediaFiles() = default;

    // Media packed page by page (settings line 4).
    virtual bool mediaPackedByPage() const = 0;
    // The page's media data file while a page loads; null when there is none.
    virtual QIODevice* mediaDataFile() = 0;
    // The picture files of the page being loaded, decoded ahead on other threads.
    virtual PicturePrefetch& picturePrefetch() = 0;
    // Where packing put a stored sound or video, as a drive-less path (extracted from the
    // package on demand, hence not const).
    virtual QString mediaPlaybackPath(const QString& stored, MediaKind kind) = 0;
};

}  // namespace ztv
