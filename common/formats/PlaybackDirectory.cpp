#include "common/formats/PlaybackDirectory.h"

#include <QDir>

namespace ztv {

std::optional<QString> claimPlaybackDirectory(const QString& rootHost) {
    QDir root(rootHost);
    if (!root.exists() && !root.mkpath(QStringLiteral("."))) {
        return std::nullopt;
    }
    for (int k = 0; k <= kMaxPlaybackDirectoryIndex; ++k) {
        const QString name = QStringLiteral("base%1").arg(k);
        if (root.mkdir(name)) {
            return name;
        }
    }
    return std::nullopt;
}

}  // namespace ztv
