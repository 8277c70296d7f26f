#pragma once

#include <QImage>

// Pixel memory for decoded pictures, recycled from pictures that were freed. A page's pictures
// are freed when the next page loads, which then needs memory of the same sizes; memory fresh
// from the system costs a page fault on every 4 KB at its first write (a third of the time of
// a JPEG decode), recycled memory is already mapped. Thread-safe: pictures may be made and
// freed on any thread.
namespace ztv::picturememory {

// A picture with uninitialised pixels; null when the size is beyond the picture caps or the
// memory cannot be had.
QImage newImage(int width, int height, QImage::Format format);

}  // namespace ztv::picturememory
