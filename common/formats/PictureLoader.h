#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

// Decoding of element pictures by the extension of their stored name. Every picture comes
// back in Format_RGB32 (opaque) or Format_ARGB32_Premultiplied, the fast formats to paint.
namespace ztv {

enum class PictureKind {
    Jpeg,      // .JPG, .JPEG
    Bitmap,    // .BMP
    Icon,      // .ICO
    Metafile,  // .WMF, .EMF: no maintained renderer on this platform, always a failure
    Gif,       // .GIF, .GIFF: the animated picture component; here its first frame
    Other,     // anything else: the format is detected from the content
};

// The kind for a file name or stored path, compared without regard to case.
PictureKind pictureKindOf(const QString& name);

enum class PictureStatus {
    Ok,
    CannotOpen,  // the file could not be opened or read
    Unreadable,  // corrupt, cut short, an unknown format, or a metafile
    TooLarge,    // declares a size beyond the picture caps; nothing was allocated
};

struct Picture {
    PictureStatus status = PictureStatus::Unreadable;
    QImage image;  // null unless status is Ok
    bool ok() const { return status == PictureStatus::Ok; }
};

// Decodes bytes (a file's content or an entry of a media data file) as the given kind.
Picture decodePicture(const QByteArray& data, PictureKind kind);
// Reads and decodes a file; the kind comes from its extension.
Picture loadPictureFile(const QString& hostPath);

}  // namespace ztv
