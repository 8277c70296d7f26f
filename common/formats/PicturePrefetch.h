#pragma once

#include "common/formats/ElementRecord.h"
#include "common/formats/PictureLoader.h"

#include <QHash>
#include <QImage>
#include <QList>
#include <QMutex>
#include <QString>
#include <QStringList>
#include <QThreadPool>
#include <QWaitCondition>
#include <memory>
#include <optional>

namespace ztv {

// The stored names of the picture files that a page's records may load (each record's file and
// hover picture), in record order, where their extension is one the prefetch decodes: JPEG,
// bitmap and icon. Anything else is loaded the usual way.
QStringList prefetchablePictures(const QList<ElementRecord>& records);

// Decoding a page's picture files ahead, on a pool of threads sized to the cores, while the page
// load creates its elements one after the other on its own thread. Only decoding happens on the
// pool; a picture is handed over when the load asks for it: at once when decoded, after a wait
// when being decoded, and decoded by the asking thread when not yet started.
//
// Only pictures that decoded are handed over, the same as loadPictureFile gives. For anything
// else (no such file, a corrupt one, a path the page load did not list) the caller loads the
// file itself, as without a prefetch, and reports what went wrong.
class PicturePrefetch {
  public:
    PicturePrefetch();
    ~PicturePrefetch();
    PicturePrefetch(const PicturePrefetch&) = delete;
    PicturePrefetch& operator=(const PicturePrefetch&) = delete;

    // Forgets the pictures of the previous start, then starts decoding these files, in order.
    // A path listed n times is handed over n times.
    void start(const QStringList& hostPaths);
    // The picture of hostPath decoded as kind; waits for a decode in flight.
    std::optional<QImage> take(const QString& hostPath, PictureKind kind);
    // Forgets every picture not handed over; decodes in flight finish unseen.
    void clear();

  private:
    struct Entry;
    void decodeQueued(const std::shared_ptr<Entry>& entry);
    void finish(Entry& entry, Picture picture);
    qint64 heldBytes() const;

    mutable QMutex mutex_;
    QWaitCondition decoded_;
    QHash<QString, std::shared_ptr<Entry>> entries_;
    QThreadPool pool_;  // last: its threads stop before the state they use goes
};

}  // namespace ztv
