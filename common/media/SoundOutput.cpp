#include "common/media/SoundOutput.h"

#include <QDir>
#include <QFile>
#include <QFileInfo>

namespace ztv {
namespace {

bool alsaListsPlayback(const QString& pcmList) {
    QFile file(pcmList);
    if (!file.open(QIODevice::ReadOnly | QIODevice::Text)) {
        return false;
    }
    // /proc files report no size: read line by line until the end.
    while (!file.atEnd()) {
        if (file.readLine(4096).contains(": playback")) {
            return true;
        }
    }
    return false;
}

// Device nodes are neither plain files nor folders: Qt lists them as system entries.
bool alsaHasPlaybackNode(const QString& devices) {
    return !QDir(devices)
                .entryList({QStringLiteral("pcm*p")}, QDir::Files | QDir::System)
                .isEmpty();
}

bool soundServerListens(const QString& runtimeDir) {
    if (runtimeDir.isEmpty()) {
        return false;
    }
    const QDir runtime(runtimeDir);
    return QFileInfo::exists(runtime.filePath(QStringLiteral("pulse/native"))) ||
           QFileInfo::exists(runtime.filePath(QStringLiteral("pipewire-0")));
}

}  // namespace

bool alsaPlaybackPresent(const SoundOutputPlaces& places) {
    return alsaListsPlayback(places.alsaPcmList) || alsaHasPlaybackNode(places.alsaDevices);
}

SoundOutputPlaces systemSoundOutputPlaces() {
    SoundOutputPlaces places;
    places.runtimeDir = qEnvironmentVariable("XDG_RUNTIME_DIR");
    return places;
}

bool soundOutputPresent(const SoundOutputPlaces& places) {
    if (qEnvironmentVariable("ZTV_AUDIO") == QStringLiteral("fake")) {
        return true;
    }
    return alsaPlaybackPresent(places) || soundServerListens(places.runtimeDir);
}

}  // namespace ztv
