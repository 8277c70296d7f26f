#include "common/formats/PictureMemory.h"

#include "common/platform/SafetyLimits.h"

#include <QMutex>
#include <QMutexLocker>

#include <algorithm>
#include <cstdlib>
#include <deque>

namespace ztv::picturememory {
namespace {

// Below this, the allocator serves pictures from memory it keeps anyway.
constexpr std::size_t kSmallestRecycled = 256 * 1024;
// Freed memory kept for the next pictures at most (two pages of twenty 1024 x 768 pictures).
constexpr std::size_t kMostKept = std::size_t(128) * 1024 * 1024;
// The block's size sits in front of the pixels, which stay aligned for vector code.
constexpr std::size_t kHeader = 64;

class Recycler {
  public:
    // The block freed last first: it is the likeliest to be still in the caches.
    void* take(std::size_t bytes) {
        {
            QMutexLocker lock(&mutex_);
            const auto it = std::find_if(kept_.rbegin(), kept_.rend(),
                                         [bytes](const Block& b) { return b.bytes == bytes; });
            if (it != kept_.rend()) {
                void* block = it->block;
                keptBytes_ -= bytes;
                kept_.erase(std::next(it).base());
                return block;
            }
        }
        // aligned_alloc wants a size that is a multiple of the alignment.
        void* block =
            std::aligned_alloc(kHeader, (kHeader + bytes + kHeader - 1) / kHeader * kHeader);
        if (block != nullptr) {
            *static_cast<std::size_t*>(block) = bytes;
        }
        return block;
    }

    // The oldest blocks go back to the system first.
    void give(void* block) {
        const std::size_t bytes = *static_cast<std::size_t*>(block);
        QMutexLocker lock(&mutex_);
        kept_.push_back({block, bytes});
        keptBytes_ += bytes;
        while (keptBytes_ > kMostKept) {
            keptBytes_ -= kept_.front().bytes;
            std::free(kept_.front().block);
            kept_.pop_front();
        }
    }

  private:
    struct Block {
        void* block;
        std::size_t bytes;
    };
    QMutex mutex_;
    std::deque<Block> kept_;
    std::size_t keptBytes_ = 0;
};

// Never destroyed: pictures may be freed by static destructors that run after this one's.
Recycler& recycler() {
    static auto* made = new Recycler;
    return *made;
}

void giveBack(void* block) {
    recycler().give(block);
}

}  // namespace

QImage newImage(int width, int height, QImage::Format format) {
    if (!limits::pictureSizeAllowed(width, height)) {
        return {};
    }
    const int depth = QImage::toPixelFormat(format).bitsPerPixel();
    const qsizetype bytesPerLine = (qsizetype(width) * depth + 31) / 32 * 4;
    const auto bytes = std::size_t(bytesPerLine) * std::size_t(height);
    if (bytes < kSmallestRecycled) {
        return QImage(width, height, format);
    }
    void* block = recycler().take(bytes);
    if (block == nullptr) {
        return {};
    }
    return QImage(static_cast<uchar*>(block) + kHeader, width, height, bytesPerLine, format,
                  giveBack, block);
}

}  // namespace ztv::picturememory
