// Where the media of a page are: the page's media data file and the paths packing gave them.
#include "player/engine/ZTVImage.h"

#include <QFile>

namespace ztv {

bool TZTVImage::OuvrirCDS() {
    QString host;
    if (packedProject) {
        host = packedMediaDataFile();
    } else {
        const QString found = ExistenceFichier(mediaDataFolder + u'\\' + QString::number(Page) +
                                               QStringLiteral(".CDS"));
        host = found == QStringLiteral("0") ? QString() : toHost(found);
    }
    if (host.isEmpty()) {
        return false;
    }
    QFile::setPermissions(host, QFile::permissions(host) | QFile::WriteOwner);
    mediaData_.setFileName(host);
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
    if (packedProject && mediaByPage && mediaInPackage) {
        extractOnDemand(stored);
    }
    return ztv::mediaPlaybackPath(stored, kind, packing);
}

}  // namespace ztv
