#include "editor/widgets/PanelMedia.h"

#include "common/formats/LangLines.h"
#include "common/platform/Prompter.h"
#include "common/platform/WinPath.h"
#include "editor/document/MediaLookup.h"
#include "editor/document/SessionSettings.h"

namespace ztv::editor {

MediaService* PanelMedia::service() const {
    return state_.media.get();
}

bool PanelMedia::open(const QString& fichier, const QString& messagePrefix) {
    if (state_.language.isLine(fichier, lang::MarkerSoundStop) ||
        state_.language.isLine(fichier, lang::MarkerBackgroundDisappear)) {
        return true;
    }
    if (!lookUpMedia(state_, fichier)) {
        prompter_.message(mediaNotFoundText(state_, messagePrefix, fichier));
        return false;
    }
    close();
    const MediaDeviceId device =
        service() ? service()->open(mediaHostPath(state_, fichier)) : MediaDeviceId(0);
    if (device == 0) {
        prompter_.message(winpath::extension(fichier) + QStringLiteral(" Open Failed"));
        return false;
    }
    state_.mediaDevice = device;
    service()->setTimeFormatMs(device);
    return true;
}

QSize PanelMedia::naturalSize() const {
    return state_.mediaDevice != 0 ? service()->naturalSize(state_.mediaDevice) : QSize();
}

qint64 PanelMedia::length() const {
    return state_.mediaDevice != 0 ? service()->length(state_.mediaDevice) : 0;
}

bool PanelMedia::playing() const {
    return state_.mediaDevice != 0 && service()->isPlaying(state_.mediaDevice);
}

bool PanelMedia::play(const QRect& panel, bool soundOnly, qint64 endMs, qint64 startMs) {
    Q_UNUSED(endMs);
    if (state_.mediaDevice == 0) {
        return false;
    }
    if (!soundOnly) {
        service()->setVideoWindow(state_.mediaDevice, panel);
    }
    if (!service()->play(state_.mediaDevice, startMs, 0, true)) {
        prompter_.message(QStringLiteral("Play Failed"));
        return false;
    }
    return true;
}

qint64 PanelMedia::pause() {
    return state_.mediaDevice != 0 ? service()->pause(state_.mediaDevice) : 0;
}

void PanelMedia::close() {
    if (state_.mediaDevice != 0) {
        service()->close(state_.mediaDevice);
        state_.mediaDevice = 0;
    }
}

}  // namespace ztv::editor
