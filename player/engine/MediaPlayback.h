#pragma once

#include "common/formats/ActionModel.h"
#include "common/media/MediaService.h"
#include "player/elements/ElementMessages.h"
#include "player/elements/MediaCues.h"
#include "player/elements/MediaFinder.h"
#include "player/engine/MediaControlBar.h"

#include <QString>
#include <functional>
#include <memory>

namespace ztv {

// The engine's media properties, under their own names: the devices, what the page load
// scheduled on them, and the options the last sound and video records set.
struct MediaState {
    bool CarteSon = false;
    // Scheduled by the page load.
    bool SonFutur = false, VideoFutur = false, SonPersoFutur = false;
    QString FicSonFutur, FicVideoFutur, FicSonPersoFutur;
    // The music device and its options.
    MediaDeviceId FDevSon = 0;
    QString SonPrec;
    bool FondMusic = false, BoucleMusic = false, ArretAutoMusicChgt = false,
         AttendreFinMusic = false;
    int DebutMusic = 0, FinMusic = 0;
    Action ActeMusic;
    bool ClickMusic = true;  // false: the end action runs without a click
    // The character's voice: a device of its own, never background music.
    MediaDeviceId FDevSonPerso = 0;
    QString SonPersoPrec;
    // The video device and its options.
    MediaDeviceId FDevVideo = 0;
    QString VideoPrec;
    bool VidMpeg = false, DisparitionAutoVideoFin = false, DisparitionAutoVideoChgt = false,
         AttendreFinVideo = false;
    int DebutVideo = 0, FinVideo = 0, PauseVideo = 0;
    Action ActeVideo;
    bool clickVideo = true;
    QRect videoWindow;  // `PanelVideo`'s bounds; empty: hidden
    MediaControlBar MediaPl;
};

// The engine's media: it owns the media state and is the only one to change it. The sound and
// video elements hand their records over as cues; the engine schedules, cleans up at page
// changes, and hears the end of each play.
class MediaPlayback final : public MediaCues {
  public:
    // What the engine does when a medium ends: run the end action of row 1 (sound) or 2
    // (video), or go on with the column that waited for it.
    struct Reactions {
        std::function<void(int row)> runRowAction;
        std::function<void()> resumeColumn;
        // The video panel or its control bar moved, showed, hid or changed its buttons.
        std::function<void()> videoChanged;
    };

    MediaPlayback(std::shared_ptr<MediaService> service, MediaFinder& finder,
                  ElementMessages& messages, Reactions reactions);
    ~MediaPlayback() override;
    MediaPlayback(const MediaPlayback&) = delete;
    MediaPlayback& operator=(const MediaPlayback&) = delete;

    // A new project: every device closed, every option back to its start value.
    void reset(bool soundCard);

    // --- page load ---
    // Before the page's elements are created: nothing is scheduled.
    void clearSchedule();
    // The first sound (video) of a load is the one preloaded after it.
    void scheduleSound(const QString& path) override;
    void scheduleVideo(const QString& path) override;
    void scheduleCharacterSound(const QString& path) override;
    // After the load: opens what was scheduled, closes what is no longer wanted.
    void startScheduled();

    // --- the elements' columns ---
    // True when the column is to wait for the end of the music.
    bool showSound(const SoundCue& cue) override;
    // The sound-stop marker: the music pauses and a video gets its sound back.
    void stopSound() override;
    // True when the column is to wait for the end of the video.
    bool showVideo(const VideoCue& cue) override;
    // The video-disappear marker.
    void hideVideo() override;
    bool hasSoundCard() const override { return s_.CarteSon; }
    // A character that speaks: keeps the voice open on `path` (opening it when another was
    // open) and ends background music. False when it cannot be opened.
    bool openCharacterSound(const QString& path) override;
    // Plays the character's voice from its beginning; the music and the video fall silent.
    void playCharacterSound() override;
    bool characterSoundPlaying() override;
    void giveVideoItsSound() override;

    // --- page changes, actions, the end ---
    // Before a jump: the video and music marked to go at a change go.
    void atPageChange();
    void toggleSound();
    void toggleVideo();
    // A button of the control bar; disabled buttons do nothing.
    void MediaPlClick(MediaButton button);
    // The Space key: the pause button's toggle, while a video is open.
    void spaceKey();
    // Closes every device.
    void Terminer();

    const MediaState& state() const { return s_; }
    MediaService& service() { return *service_; }

  private:
    MediaDeviceId RechAffichVideoSon(const QString& path, const QString& name1,
                                     const QString& name2);
    void preloadSound(const QString& path);
    void preloadVideo(const QString& path);
    void closeSound();
    void preloadCharacterSound(const QString& path);
    void closeCharacterSound();
    void Nettoyagevideo();
    void FaireDisparaitreVideo();
    void playSound();
    void playVideo(qint64 fromMs, bool notify);
    void pauseOrResumeVideo();
    void videoChanged();
    void setVideoWindow(const QRect& rect);
    void ImMMNotify(MediaDeviceId device, bool aborted);
    void afterEnd(const Action& acte, bool click, bool& waiting, int row);

    std::shared_ptr<MediaService> service_;
    MediaFinder& finder_;
    ElementMessages& messages_;
    Reactions reactions_;
    MediaState s_;
};

}  // namespace ztv
