#pragma once

#include <QString>

namespace ztv {

// Where an audio output shows itself on this machine; tests point these elsewhere.
struct SoundOutputPlaces {
    QString alsaPcmList = QStringLiteral("/proc/asound/pcm");  // "... : playback 1" lines
    QString alsaDevices = QStringLiteral("/dev/snd");          // pcmC0D0p device nodes
    QString runtimeDir;  // a sound server's socket: pulse/native, pipewire-0
};

SoundOutputPlaces systemSoundOutputPlaces();

// The kernel lists an ALSA playback device.
bool alsaPlaybackPresent(const SoundOutputPlaces& places);

// "A sound card is present": the fake output of tests (ZTV_AUDIO=fake), an ALSA playback
// device, or a sound server listening for this user.
bool soundOutputPresent(const SoundOutputPlaces& places = systemSoundOutputPlaces());

}  // namespace ztv
