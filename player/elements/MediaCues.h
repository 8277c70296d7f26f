#pragma once

#include "common/formats/ActionModel.h"
#include "player/elements/ControlBarPlace.h"

#include <QRect>
#include <QString>

namespace ztv {

// What a sound record asks of the music device when its column is shown.
struct SoundCue {
    enum class Start { Play, PlayAndWait, LoadOnly };
    QString fichier;  // as stored
    QString path;     // where it is played from (drive-less): what tells one music from another
    Action acte;
    bool actsWithoutClick = false;
    bool loop = false;          // `BoucleMusic`
    bool stopAtChange = false;  // `ArretAutoMusicChgt`
    bool background = false;    // `FondMusic`
    int startMs = 0;
    int endMs = 0;
    Start start = Start::LoadOnly;
};

// What a video record asks of the video device when its column is shown.
struct VideoCue {
    enum class Start { Play, PlayAndWait, WaitForUser, OpenOnly };
    QString fichier;
    QString path;
    Action acte;
    bool actsWithoutClick = false;
    bool hideAtEnd = false;     // `DisparitionAutoVideoFin`
    bool hideAtChange = false;  // `DisparitionAutoVideoChgt`
    int startMs = 0;
    int endMs = 0;
    QRect window;
    ControlBarPlace bar = ControlBarPlace::Above;
    Start start = Start::OpenOnly;
};

// The media devices as the sound and video elements see them: they schedule their file at page
// load and hand their record over as a cue when their column is shown.
class MediaCues {
  public:
    virtual ~MediaCues() = default;

    // The first sound (video) of a load is the one preloaded after it.
    virtual void scheduleSound(const QString& path) = 0;
    virtual void scheduleVideo(const QString& path) = 0;
    // True when the column is to wait for the end of the music.
    virtual bool showSound(const SoundCue& cue) = 0;
    // The sound-stop marker: the music pauses and a video gets its sound back.
    virtual void stopSound() = 0;
    // True when the column is to wait for the end of the video.
    virtual bool showVideo(const VideoCue& cue) = 0;
    // The video-disappear marker: the video pauses and its window goes.
    virtual void hideVideo() = 0;

    // The character's voice, on a device of its own. Never opened without a sound card.
    virtual bool hasSoundCard() const = 0;
    // The first voice of a load is the one preloaded after it.
    virtual void scheduleCharacterSound(const QString& path) = 0;
    // Keeps the voice open on `path`, opening it when another was open; false when it cannot
    // be opened.
    virtual bool openCharacterSound(const QString& path) = 0;
    // Plays the open voice from its beginning; the music and the video fall silent.
    virtual void playCharacterSound() = 0;
    virtual bool characterSoundPlaying() = 0;
    // The voice is over: a video gets its sound back.
    virtual void giveVideoItsSound() = 0;
};

}  // namespace ztv
