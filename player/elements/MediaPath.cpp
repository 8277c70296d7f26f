#include "player/elements/MediaPath.h"

#include "common/platform/WinPath.h"

namespace ztv {
namespace {

// "C:\x\y" as the drive-less "\x\y".
QString dropDrive(const QString& path) {
    return path.mid(2);
}

}  // namespace

QString mediaPlaybackPath(const QString& stored, MediaKind kind, const MediaPacking& packing) {
    if (!packing.mediaByPage) {
        return stored;
    }
    const QString name = winpath::fileName(stored);
    if (!packing.packageMode) {
        return dropDrive(packing.chemin + u'\\' + name);
    }
    if (packing.mediaInPackage) {
        return dropDrive(packing.playbackDirectory + u'\\' + name);
    }
    const QString folder =
        kind == MediaKind::Sound ? QStringLiteral("\\sounds\\") : QStringLiteral("\\videos\\");
    // A drive root such as "D:\" has three characters.
    if (packing.playerFolder.size() <= 3) {
        return folder + name;
    }
    QString dir = packing.playerFolder;
    if (dir.endsWith(u'\\')) {
        dir.chop(1);
    }
    return dropDrive(dir + folder + name);
}

}  // namespace ztv
