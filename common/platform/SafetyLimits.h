#pragma once

#include <cstdint>

// The caps that keep every reader of pictures and entries safe against hostile files. Sizes
// read from a file are checked against them in 64 bits before anything is allocated.
//
// | Cap                     | Value        | Guards                                              |
// |-------------------------|--------------|-----------------------------------------------------|
// | kMaxPictureSide         | 16384 px     | width or height of a decoded picture or GIF screen  |
// | kMaxPictureArea         | 64 Mpixels   | width x height of one picture (256 MB as 32-bit)    |
// | kMaxGifFrames           | 4096         | frames decoded from one GIF                         |
// | kMaxGifTotalPixels      | 64 Mpixels   | the sum of all GIF frame areas (decoding budget)    |
// | kMaxComposedPixels      | 128 Mpixels  | all canvases of one GIF frame composition           |
// | kMaxGifWriteFrames      | 256          | frames the animated GIF writer accepts              |
// | kMaxIconImages         | 256          | pictures examined in one icon file                  |
// | kMaxJpegScans           | 500          | scans of a progressive JPEG (decoding time)         |
// | kMaxEntrySize           | 256 MB       | an entry read into memory from a media data file    |
// | kMaxPrefetchedBytes     | 256 MB       | decoded pictures a page load holds ahead of use     |
// | kMaxCabinetMemberSize   | 1 GB         | one file extracted from a cabinet archive           |
// | kMaxPrintedTextBytes    | 4 MB         | a text file an action prints (about 1,000 pages)    |
// | kMaxVideoFrameSide      | 4096 px      | a video frame handed to the player (scaled down)    |
// | kMaxProjectFileSize     | 1 GB         | a page table or container opened as a project       |
// | kMaxSettingsFileSize    | 1 MB         | a project settings file (a few short lines)         |
namespace ztv::limits {

inline constexpr std::int64_t kMaxPictureSide = 16384;
inline constexpr std::int64_t kMaxPictureArea = std::int64_t(64) * 1024 * 1024;
inline constexpr int kMaxGifFrames = 4096;
inline constexpr std::int64_t kMaxGifTotalPixels = std::int64_t(64) * 1024 * 1024;
inline constexpr std::int64_t kMaxComposedPixels = std::int64_t(128) * 1024 * 1024;
inline constexpr int kMaxGifWriteFrames = 256;
inline constexpr int kMaxIconImages = 256;
inline constexpr int kMaxJpegScans = 500;
inline constexpr std::int64_t kMaxEntrySize = std::int64_t(256) * 1024 * 1024;
// Past it, a picture is no longer decoded ahead; its element loads it when it needs it.
inline constexpr std::int64_t kMaxPrefetchedBytes = std::int64_t(256) * 1024 * 1024;
inline constexpr std::int64_t kMaxPrintedTextBytes = std::int64_t(4) * 1024 * 1024;
inline constexpr int kMaxVideoFrameSide = 4096;

inline constexpr std::int64_t kMaxCabinetMemberSize = std::int64_t(1) << 30;

inline constexpr std::int64_t kMaxProjectFileSize = std::int64_t(1) << 30;
inline constexpr std::int64_t kMaxSettingsFileSize = std::int64_t(1) << 20;

// A picture of these sides may be allocated: both sides positive and within the caps.
inline bool pictureSizeAllowed(std::int64_t width, std::int64_t height) {
    return width > 0 && height > 0 && width <= kMaxPictureSide && height <= kMaxPictureSide &&
           width * height <= kMaxPictureArea;
}

}  // namespace ztv::limits
