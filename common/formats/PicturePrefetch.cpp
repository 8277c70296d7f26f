#include "common/formats/PicturePrefetch.h"

#include "common/platform/SafetyLimits.h"

#include <QFileInfo>
#include <QMutexLocker>
#include <QRunnable>
#include <QThread>

namespace ztv {
namespace {

bool prefetchable(PictureKind kind) {
    return kind == PictureKind::Jpeg || kind == PictureKind::Bitmap || kind == PictureKind::Icon;
}

// Only regular files: opening a FIFO or a device could block a pool thread for good.
Picture decodeFile(const QString& path) {
    return QFileInfo(path).isFile() ? loadPictureFile(path) : Picture{};
}

}  // namespace

QStringList prefetchablePictures(const QList<ElementRecord>& records) {
    QStringList names;
    for (const ElementRecord& record : records) {
        for (const QString* name : {&record.Fichier, &record.SurvolFichier}) {
            if (prefetchable(pictureKindOf(*name))) {
                names.append(*name);
            }
        }
    }
    return names;
}

struct PicturePrefetch::Entry {
    enum class State { Queued, Decoding, Done };
    QString path;
    PictureKind kind = PictureKind::Other;
    int uses = 0;  // handed over this many more times
    State state = State::Queued;
    Picture picture;
};

PicturePrefetch::PicturePrefetch() {
    pool_.setMaxThreadCount(QThread::idealThreadCount());
}

PicturePrefetch::~PicturePrefetch() {
    clear();
    pool_.waitForDone();
}

void PicturePrefetch::start(const QStringList& hostPaths) {
    clear();
    QList<std::shared_ptr<Entry>> queued;
    {
        QMutexLocker lock(&mutex_);
        for (const QString& path : hostPaths) {
            const PictureKind kind = pictureKindOf(path);
            if (!prefetchable(kind)) {
                continue;
            }
            auto& entry = entries_[path];
            if (!entry) {
                entry = std::make_shared<Entry>();
                entry->path = path;
                entry->kind = kind;
                queued.append(entry);
            }
            ++entry->uses;
        }
    }
    for (const auto& entry : queued) {
        pool_.start([this, entry] { decodeQueued(entry); });
    }
}

std::optional<QImage> PicturePrefetch::take(const QString& hostPath, PictureKind kind) {
    QMutexLocker lock(&mutex_);
    const auto it = entries_.constFind(hostPath);
    if (it == entries_.constEnd() || (*it)->kind != kind) {
        return std::nullopt;
    }
    const std::shared_ptr<Entry> entry = *it;
    if (--entry->uses == 0) {
        entries_.erase(it);
    }
    if (entry->state == Entry::State::Queued) {
        // Not started yet: this thread decodes it rather than wait for a free one.
        entry->state = Entry::State::Decoding;
        lock.unlock();
        Picture picture = decodeFile(entry->path);
        lock.relock();
        finish(*entry, std::move(picture));
    }
    while (entry->state != Entry::State::Done) {
        decoded_.wait(&mutex_);
    }
    return entry->picture.ok() ? std::optional(entry->picture.image) : std::nullopt;
}

void PicturePrefetch::clear() {
    {
        QMutexLocker lock(&mutex_);
        for (const auto& entry : std::as_const(entries_)) {
            if (entry->state == Entry::State::Queued) {
                finish(*entry, {});
            }
        }
        entries_.clear();
    }
    pool_.clear();
}

// On a pool thread. Decoded pictures not yet handed over are held up to a budget; past it a
// picture is left to its element's own load, so a page of huge pictures cannot pile them up.
void PicturePrefetch::decodeQueued(const std::shared_ptr<Entry>& entry) {
    QMutexLocker lock(&mutex_);
    if (entry->state != Entry::State::Queued) {
        return;
    }
    if (heldBytes() > limits::kMaxPrefetchedBytes) {
        finish(*entry, {});
        return;
    }
    entry->state = Entry::State::Decoding;
    lock.unlock();
    Picture picture = decodeFile(entry->path);
    lock.relock();
    finish(*entry, std::move(picture));
}

void PicturePrefetch::finish(Entry& entry, Picture picture) {
    entry.picture = std::move(picture);
    entry.state = Entry::State::Done;
    decoded_.wakeAll();
}

qint64 PicturePrefetch::heldBytes() const {
    qint64 bytes = 0;
    for (const auto& entry : entries_) {
        bytes += entry->picture.image.sizeInBytes();
    }
    return bytes;
}

}  // namespace ztv
