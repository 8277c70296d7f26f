#include "player/engine/MediaPlayback.h"

#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "common/platform/WinPath.h"

namespace ztv {
namespace {

bool isMpeg(const QString& path) {
    const QString ext = winpath::extension(path).toUpper();
    return ext == QStringLiteral(".MPEG") || ext == QStringLiteral(".MPG");
}

}  // namespace

MediaPlayback::MediaPlayback(std::shared_ptr<MediaService> service, MediaFinder& finder,
                             ElementMessages& messages, Reactions reactions)
    : service_(std::move(service)),
      finder_(finder),
      messages_(messages),
      reactions_(std::move(reactions)) {
    service_->setEndHandler(
        this, [this](MediaDeviceId device, bool aborted) { ImMMNotify(device, aborted); });
}

MediaPlayback::~MediaPlayback() {
    reactions_.videoChanged = nullptr;  // the engine that listens is going
    Terminer();
    service_->clearEndHandler(this);
}

void MediaPlayback::reset(bool soundCard) {
    Terminer();
    s_ = MediaState{};
    s_.CarteSon = soundCard;
}

void MediaPlayback::clearSchedule() {
    s_.SonFutur = s_.VideoFutur = s_.SonPersoFutur = false;
    s_.FicSonFutur.clear();
    s_.FicVideoFutur.clear();
    s_.FicSonPersoFutur.clear();
}

void MediaPlayback::scheduleSound(const QString& path) {
    if (!s_.SonFutur && !path.isEmpty()) {
        s_.SonFutur = true;
        s_.FicSonFutur = path;
    }
}

void MediaPlayback::scheduleVideo(const QString& path) {
    if (!s_.VideoFutur && !path.isEmpty()) {
        s_.VideoFutur = true;
        s_.FicVideoFutur = path;
    }
}

void MediaPlayback::scheduleCharacterSound(const QString& path) {
    if (!s_.SonPersoFutur && !path.isEmpty()) {
        s_.SonPersoFutur = true;
        s_.FicSonPersoFutur = path;
    }
}

void MediaPlayback::startScheduled() {
    const bool videoHidden = s_.videoWindow.isEmpty();
    if (s_.FDevVideo == 0) {
        if (s_.VideoFutur) {
            preloadVideo(s_.FicVideoFutur);
        }
    } else if (s_.VideoFutur ? s_.VideoPrec != s_.FicVideoFutur && videoHidden : videoHidden) {
        // A visible video keeps playing across the load.
        Nettoyagevideo();
        if (s_.VideoFutur) {
            preloadVideo(s_.FicVideoFutur);
        }
    }
    if (s_.FDevSon == 0) {
        if (s_.SonFutur) {
            preloadSound(s_.FicSonFutur);
        }
    } else if (s_.SonFutur && s_.SonPrec != s_.FicSonFutur) {
        closeSound();
        preloadSound(s_.FicSonFutur);
    } else if (!s_.FondMusic) {
        closeSound();
    }
    // An open voice never carries over a load, even when named again: the character opens it
    // anew when it speaks.
    if (s_.FDevSonPerso == 0) {
        if (s_.SonPersoFutur) {
            preloadCharacterSound(s_.FicSonPersoFutur);
        }
    } else {
        const bool another = s_.SonPersoFutur && s_.SonPersoPrec != s_.FicSonPersoFutur;
        closeCharacterSound();
        if (another) {
            preloadCharacterSound(s_.FicSonPersoFutur);
        }
    }
}

void MediaPlayback::preloadSound(const QString& path) {
    if (!s_.CarteSon) {
        return;
    }
    s_.FDevSon = RechAffichVideoSon(path, QStringLiteral("jouson1"), QStringLiteral("jouson2"));
    s_.SonPrec = s_.FDevSon != 0 ? path : QString();
}

void MediaPlayback::preloadCharacterSound(const QString& path) {
    if (!s_.CarteSon) {
        return;
    }
    s_.FDevSonPerso =
        RechAffichVideoSon(path, QStringLiteral("jouperso1"), QStringLiteral("jouperso2"));
    s_.SonPersoPrec = s_.FDevSonPerso != 0 ? path : QString();
}

void MediaPlayback::closeCharacterSound() {
    if (s_.FDevSonPerso != 0) {
        service_->stop(s_.FDevSonPerso);
        service_->close(s_.FDevSonPerso);
    }
    s_.FDevSonPerso = 0;
    s_.SonPersoPrec.clear();
}

void MediaPlayback::preloadVideo(const QString& path) {
    s_.MediaPl = MediaControlBar::created();
    s_.FDevVideo =
        RechAffichVideoSon(path, QStringLiteral("jouvideo1"), QStringLiteral("jouvideo2"));
    s_.VideoPrec = s_.FDevVideo != 0 ? path : QString();
}

// The stored path on the media drive, the first drive that has it or beneath a moved project,
// opened with times in milliseconds; 0 after one message when it is nowhere or cannot be
// opened.
MediaDeviceId MediaPlayback::RechAffichVideoSon(const QString& path, const QString& name1,
                                                const QString& name2) {
    const LanguageFile& language = messages_.language();
    if (language.isLine(path, lang::MarkerDisappear) ||
        language.isLine(path, lang::MarkerBackgroundDisappear)) {
        return 0;
    }
    const QString found = finder_.locateMedia(path);
    const QString where = u' ' + finder_.shownPath(path) + u' ';
    if (found.isEmpty()) {
        messages_.tell(name1 + language.text(lang::MediaFileWord) + where +
                       language.text(lang::MediaNotFoundSuffix));
        return 0;
    }
    const MediaDeviceId device = service_->open(finder_.toHost(found));
    if (device == 0) {
        messages_.tell(name2 + language.text(lang::MediaFileWord) + where +
                       language.text(lang::MediaCannotOpenSuffix));
        return 0;
    }
    s_.VidMpeg = isMpeg(path);
    service_->setTimeFormatMs(device);
    return device;
}

void MediaPlayback::closeSound() {
    s_.FondMusic = s_.BoucleMusic = false;
    if (s_.FDevSon != 0) {
        service_->stop(s_.FDevSon);
        service_->close(s_.FDevSon);
    }
    s_.FDevSon = 0;
    s_.SonPrec.clear();
}

bool MediaPlayback::showSound(const SoundCue& cue) {
    s_.ActeMusic = cue.acte;
    s_.ClickMusic = !cue.actsWithoutClick;
    if (!s_.CarteSon) {
        return false;
    }
    // The preload names a medium by where it plays from: so does the reuse test.
    bool reused = s_.SonPrec == cue.path;
    if (s_.FDevSon != 0 && !reused) {
        closeSound();
    }
    s_.BoucleMusic = cue.loop;
    s_.ArretAutoMusicChgt = cue.stopAtChange;
    s_.FondMusic = cue.background;
    s_.DebutMusic = cue.startMs;
    s_.FinMusic = cue.endMs;
    s_.AttendreFinMusic = false;
    s_.SonPrec = cue.path;
    if (!reused || s_.FDevSon == 0) {
        s_.FDevSon =
            RechAffichVideoSon(cue.path, QStringLiteral("jouson1"), QStringLiteral("jouson2"));
    }
    if (s_.FDevSon == 0) {
        s_.FondMusic = false;
        return false;
    }
    if (cue.start == SoundCue::Start::LoadOnly) {
        return false;
    }
    // A play that cannot start never holds the column.
    s_.AttendreFinMusic = cue.start == SoundCue::Start::PlayAndWait;
    playSound();
    s_.AttendreFinMusic = s_.AttendreFinMusic && service_->isPlaying(s_.FDevSon);
    return s_.AttendreFinMusic;
}

// The music mutes the video and ends a character's voice; a failed ranged play is tried once more
// to the end.
void MediaPlayback::playSound() {
    if (s_.FDevVideo != 0) {
        service_->setMuted(s_.FDevVideo, true);
    }
    closeCharacterSound();
    if (!service_->play(s_.FDevSon, s_.DebutMusic, s_.FinMusic, true)) {
        service_->play(s_.FDevSon, service_->position(s_.FDevSon), 0, true);
    }
}

void MediaPlayback::stopSound() {
    if (!s_.CarteSon || s_.FDevSon == 0) {
        return;
    }
    s_.FondMusic = s_.BoucleMusic = false;
    if (service_->isPlaying(s_.FDevSon)) {
        service_->pause(s_.FDevSon);
    }
    if (s_.FDevVideo != 0 && service_->isPlaying(s_.FDevVideo)) {
        service_->setMuted(s_.FDevVideo, false);
    }
}

bool MediaPlayback::showVideo(const VideoCue& cue) {
    const bool reused = s_.FDevVideo != 0 && s_.VideoPrec == cue.path;
    if (s_.FDevVideo != 0 && !reused) {
        Nettoyagevideo();
    }
    s_.VideoPrec = cue.path;
    if (reused) {
        s_.VidMpeg = isMpeg(cue.fichier);
    } else {
        s_.MediaPl = MediaControlBar::created();
        s_.FDevVideo =
            RechAffichVideoSon(cue.path, QStringLiteral("jouvideo1"), QStringLiteral("jouvideo2"));
        if (s_.FDevVideo == 0) {
            messages_.tell(finder_.shownPath(cue.fichier) + u' ' +
                           messages_.language().text(lang::MediaNotFoundSuffix));
            s_.VideoPrec.clear();
            s_.MediaPl = MediaControlBar{};
            videoChanged();
            return false;
        }
    }
    s_.MediaPl.placeBy(cue.window, cue.bar);
    setVideoWindow(cue.window);
    s_.DisparitionAutoVideoFin = cue.hideAtEnd;
    s_.DisparitionAutoVideoChgt = cue.hideAtChange;
    s_.DebutVideo = s_.PauseVideo = cue.startMs;
    s_.FinVideo = cue.endMs;
    s_.ActeVideo = cue.acte;
    s_.clickVideo = !cue.actsWithoutClick;
    s_.AttendreFinVideo = false;
    if (cue.start == VideoCue::Start::WaitForUser) {
        s_.MediaPl.enableOnly({MediaButton::Play});
        videoChanged();
    }
    if (cue.start != VideoCue::Start::Play && cue.start != VideoCue::Start::PlayAndWait) {
        return false;
    }
    s_.AttendreFinVideo = cue.start == VideoCue::Start::PlayAndWait;
    playVideo(s_.DebutVideo, true);
    s_.AttendreFinVideo = s_.AttendreFinVideo && service_->isPlaying(s_.FDevVideo);
    return s_.AttendreFinVideo;
}

bool MediaPlayback::openCharacterSound(const QString& path) {
    if (!s_.CarteSon) {
        return false;
    }
    if (s_.SonPersoPrec != path) {
        closeCharacterSound();
    }
    s_.FondMusic = false;
    s_.SonPersoPrec = path;
    if (s_.FDevSonPerso == 0) {
        s_.FDevSonPerso =
            RechAffichVideoSon(path, QStringLiteral("jouperso1"), QStringLiteral("jouperso2"));
    }
    return s_.FDevSonPerso != 0;
}

// The voice silences the video, and ends the music rather than letting it talk over it.
void MediaPlayback::playCharacterSound() {
    if (s_.FDevSonPerso == 0) {
        return;
    }
    if (s_.FDevVideo != 0) {
        service_->setMuted(s_.FDevVideo, true);
    }
    if (s_.FDevSon != 0 && service_->isPlaying(s_.FDevSon)) {
        closeSound();
    }
    // The character watches its voice itself: no end notification.
    service_->play(s_.FDevSonPerso, 0, 0, false);
}

bool MediaPlayback::characterSoundPlaying() {
    return s_.FDevSonPerso != 0 && service_->isPlaying(s_.FDevSonPerso);
}

void MediaPlayback::giveVideoItsSound() {
    if (s_.FDevVideo != 0) {
        service_->setMuted(s_.FDevVideo, false);
    }
}

void MediaPlayback::setVideoWindow(const QRect& rect) {
    s_.videoWindow = rect;
    service_->setVideoWindow(s_.FDevVideo, rect);
    videoChanged();
}

void MediaPlayback::videoChanged() {
    if (reactions_.videoChanged) {
        reactions_.videoChanged();
    }
}

// The video pauses the music while it plays.
void MediaPlayback::playVideo(qint64 fromMs, bool notify) {
    for (const MediaDeviceId device : {s_.FDevSon, s_.FDevSonPerso}) {
        if (device != 0 && service_->isPlaying(device)) {
            service_->pause(device);
        }
    }
    if (!service_->play(s_.FDevVideo, fromMs, s_.FinVideo, notify)) {
        service_->play(s_.FDevVideo, service_->position(s_.FDevVideo), 0, notify);
    }
}

void MediaPlayback::hideVideo() {
    FaireDisparaitreVideo();
}

void MediaPlayback::FaireDisparaitreVideo() {
    if (s_.FDevVideo == 0) {
        return;
    }
    if (service_->isPlaying(s_.FDevVideo)) {
        service_->pause(s_.FDevVideo);
    }
    s_.MediaPl.visible = false;
    setVideoWindow(QRect());
}

void MediaPlayback::Nettoyagevideo() {
    if (s_.FDevVideo == 0) {
        return;
    }
    FaireDisparaitreVideo();
    service_->close(s_.FDevVideo);
    s_.FDevVideo = 0;
    s_.VideoPrec.clear();
    s_.MediaPl = MediaControlBar{};
    videoChanged();
}

void MediaPlayback::atPageChange() {
    if (s_.FDevVideo != 0 && s_.DisparitionAutoVideoChgt) {
        FaireDisparaitreVideo();
    }
    if (s_.FDevSon != 0 && !s_.FondMusic && s_.ArretAutoMusicChgt && s_.CarteSon) {
        s_.BoucleMusic = false;
        if (service_->isPlaying(s_.FDevSon)) {
            service_->pause(s_.FDevSon);
        }
        s_.ArretAutoMusicChgt = false;
    }
}

void MediaPlayback::toggleSound() {
    if (s_.FDevSon == 0) {
        return;
    }
    if (service_->isPlaying(s_.FDevSon)) {
        service_->pause(s_.FDevSon);
    } else {
        playSound();
    }
}

void MediaPlayback::toggleVideo() {
    if (s_.FDevVideo == 0) {
        return;
    }
    if (service_->isPlaying(s_.FDevVideo)) {
        s_.PauseVideo = int(service_->pause(s_.FDevVideo));
    } else {
        playVideo(s_.DebutVideo, true);
    }
}

// The bar's plays are not waited for and have no end action.
void MediaPlayback::MediaPlClick(MediaButton button) {
    if (s_.FDevVideo == 0 || !s_.MediaPl.isEnabled(button)) {
        return;
    }
    switch (button) {
        case MediaButton::Play:
            s_.MediaPl.enableOnly({MediaButton::Pause, MediaButton::Stop, MediaButton::Eject});
            playVideo(s_.DebutVideo, false);
            break;
        case MediaButton::Pause:
            pauseOrResumeVideo();
            break;
        case MediaButton::Stop:
            s_.MediaPl.enableOnly({MediaButton::Play, MediaButton::Pause, MediaButton::Eject});
            if (service_->isPlaying(s_.FDevVideo)) {
                s_.PauseVideo = int(service_->pause(s_.FDevVideo));
            }
            break;
        case MediaButton::Previous:
            break;
        case MediaButton::Eject:
            FaireDisparaitreVideo();
            break;
    }
    videoChanged();
}

void MediaPlayback::spaceKey() {
    if (s_.FDevVideo != 0) {
        pauseOrResumeVideo();
        videoChanged();
    }
}

void MediaPlayback::pauseOrResumeVideo() {
    s_.MediaPl.enableOnly({MediaButton::Play, MediaButton::Pause, MediaButton::Eject});
    if (service_->isPlaying(s_.FDevVideo)) {
        s_.PauseVideo = int(service_->pause(s_.FDevVideo));
        return;
    }
    s_.MediaPl.enableOnly({MediaButton::Pause, MediaButton::Stop, MediaButton::Eject});
    playVideo(s_.PauseVideo, false);
}

void MediaPlayback::Terminer() {
    Nettoyagevideo();
    closeSound();
    closeCharacterSound();
    s_.AttendreFinMusic = s_.AttendreFinVideo = false;
}

void MediaPlayback::ImMMNotify(MediaDeviceId device, bool aborted) {
    if (aborted || device == 0) {
        return;
    }
    if (device == s_.FDevSon) {
        if (s_.BoucleMusic) {
            playSound();
        } else if (s_.FDevVideo != 0) {
            service_->setMuted(s_.FDevVideo, false);
        }
        afterEnd(s_.ActeMusic, s_.ClickMusic, s_.AttendreFinMusic, 1);
    } else if (device == s_.FDevVideo) {
        if (s_.DisparitionAutoVideoFin) {
            FaireDisparaitreVideo();
        }
        if (s_.BoucleMusic && s_.FDevSon != 0) {
            playSound();
        }
        afterEnd(s_.ActeVideo, s_.clickVideo, s_.AttendreFinVideo, 2);
    }
}

// The medium's end action runs without a click, or the column that waited for the end goes on.
void MediaPlayback::afterEnd(const Action& acte, bool click, bool& waiting, int row) {
    if (acte.isAction() && !click) {
        reactions_.runRowAction(row);
        return;
    }
    if (waiting) {
        waiting = false;
        reactions_.resumeColumn();
    }
}

}  // namespace ztv
