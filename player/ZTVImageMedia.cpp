// Where the media of a page are: the page's media data file and the paths packing gave them.
#include "player/ZTVImage.h"

namespace ztv {

bool TZTVImage::OuvrirCDS() {
    const QString found =
        ExistenceFichier(mediaDataFolder + u'\\' + QString::number(Page) + QStringLiteral(".CDS"));
    if (found == QStringLiteral("0")) {
        return false;
    }
    mediaData_.setFileName(toHost(found));
    return mediaData_.open(QIODevice::ReadOnly);
}

void TZTVImage::FermerCDS() {
    mediaData_.close();
}

QIODevice* TZTVImage::mediaDataFile() {
    return mediaData_.isOpen() ? &mediaData_ : nullptr;
}

QString TZTVImage::mediaPlaybackPath(const QString& stored, MediaKind kind) const {
    MediaPacking packing;
    packing.mediaByPage = mediaByPage;
    packing.packageMode = packedProject;
    packing.mediaInPackage = mediaInPackage;
    packing.chemin = Chemin;
    packing.playbackDirectory = playbackDirectory();
    packing.playerFolder = playerFolder_;
    return ztv::mediaPlaybackPath(stored, kind, packing);
}

}  // namespace ztv
