#include "tests/support/ScriptedMediaService.h"

#include <QFileInfo>

namespace ztv::test {

MediaDeviceId ScriptedMediaService::open(const QString& hostPath) {
    const QString name = QFileInfo(hostPath).fileName();
    calls_.append(QStringLiteral("open ") + name);
    for (const QString& suffix : std::as_const(refused_)) {
        if (name.endsWith(suffix, Qt::CaseInsensitive)) {
            return 0;
        }
    }
    const MediaDeviceId device = next_++;
    Device& d = devices_[device];
    d.name = name;
    d.open = true;
    return device;
}

bool ScriptedMediaService::isPlaying(MediaDeviceId device) {
    return known(device) && devices_[device].playing;
}

bool ScriptedMediaService::play(MediaDeviceId device, qint64 fromMs, qint64 toMs, bool notify) {
    if (!known(device)) {
        return false;
    }
    Device& d = devices_[device];
    calls_.append(QStringLiteral("play %1 %2 %3").arg(d.name).arg(fromMs).arg(toMs));
    d.playing = true;
    d.notify = notify;
    d.position = fromMs;
    d.end = toMs > fromMs ? toMs : 60000;
    return true;
}

qint64 ScriptedMediaService::pause(MediaDeviceId device) {
    if (!known(device)) {
        return 0;
    }
    calls_.append(QStringLiteral("pause ") + devices_[device].name);
    devices_[device].playing = false;
    return resumePosition(devices_[device].position);
}

qint64 ScriptedMediaService::stop(MediaDeviceId device) {
    if (!known(device)) {
        return 0;
    }
    calls_.append(QStringLiteral("stop ") + devices_[device].name);
    devices_[device].playing = false;
    return devices_[device].position;
}

qint64 ScriptedMediaService::position(MediaDeviceId device) {
    return known(device) ? devices_[device].position : 0;
}

void ScriptedMediaService::close(MediaDeviceId device) {
    if (known(device)) {
        calls_.append(QStringLiteral("close ") + devices_[device].name);
        devices_.remove(device);
    }
}

void ScriptedMediaService::setMuted(MediaDeviceId device, bool muted) {
    if (known(device)) {
        devices_[device].muted = muted;
    }
}

void ScriptedMediaService::setVideoWindow(MediaDeviceId device, const QRect& rect) {
    if (known(device)) {
        devices_[device].window = rect;
    }
}

void ScriptedMediaService::finish(MediaDeviceId device) {
    if (!isPlaying(device)) {
        return;
    }
    Device& d = devices_[device];
    d.playing = false;
    d.position = d.end;
    if (d.notify) {
        notifyEnd(device, false);
    }
}

MediaDeviceId ScriptedMediaService::deviceOf(const QString& fileName) const {
    MediaDeviceId found = 0;
    for (auto it = devices_.cbegin(); it != devices_.cend(); ++it) {
        if (it->open && it->name.compare(fileName, Qt::CaseInsensitive) == 0) {
            found = it.key();
        }
    }
    return found;
}

}  // namespace ztv::test
