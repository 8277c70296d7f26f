#pragma once

#include <QString>

namespace ztv {

// Where the packed media of a project are, for the media path of playback.
struct MediaPacking {
    bool mediaByPage = false;     // settings line 4
    bool packageMode = false;     // the project is packed into the player or one archive
    bool mediaInPackage = false;  // settings line 6
    QString chemin;               // root of the playback directory (Windows path)
    QString playbackDirectory;    // Chemin + "\" + the playback directory's name
    QString playerFolder;         // the executable's directory (Windows path)
};

enum class MediaKind { Sound, Video };

// The path handed to the media layer for the stored drive-less path of a sound or video:
// as stored, or the file name in the folder where packing put it (without its drive).
QString mediaPlaybackPath(const QString& stored, MediaKind kind, const MediaPacking& packing);

}  // namespace ztv
