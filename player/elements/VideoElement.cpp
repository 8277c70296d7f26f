#include "player/elements/VideoElement.h"

#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "player/elements/MediaElementPath.h"

namespace ztv {

bool VideoElement::skipsPreparation() const {
    return fichierIsOneOf({lang::MarkerDisappear});
}

bool VideoElement::disappears() const {
    return fichierIsOneOf({lang::MarkerDisappear});
}

void VideoElement::prepare() {
    roles().cues->scheduleVideo(playbackPathOf(roles(), record().Fichier, MediaKind::Video));
}

bool VideoElement::show() {
    const ElementRecord& r = record();
    const LanguageFile& language = roles().messages->language();
    VideoCue cue;
    cue.fichier = r.Fichier;
    cue.path = playbackPathOf(roles(), r.Fichier, MediaKind::Video);
    cue.acte = actionOf(r, language);
    cue.actsWithoutClick = r.actsWithoutClick();
    cue.hideAtEnd = r.Vitesse == 1;
    cue.hideAtChange = r.Attente == 1.0;
    cue.startMs = r.Couleur;
    cue.endMs = r.Couldegra;
    cue.window = QRect(r.Gauche, r.Haut, r.Largeur, r.Hauteur);
    if (language.isLine(r.Transparent, lang::VideoBarNone)) {
        cue.bar = ControlBarPlace::None;
    } else if (language.isLine(r.Transparent, lang::VideoBarBelow)) {
        cue.bar = ControlBarPlace::Below;
    }
    if (language.isLine(r.sensdegra, lang::VideoPlay)) {
        cue.start = VideoCue::Start::Play;
    } else if (language.isLine(r.sensdegra, lang::VideoPlayAndWait)) {
        cue.start = VideoCue::Start::PlayAndWait;
    } else if (language.isLine(r.sensdegra, lang::VideoWaitForUser)) {
        cue.start = VideoCue::Start::WaitForUser;
    }
    const bool waits = roles().cues->showVideo(cue);
    requestFree();
    return !waits;
}

void VideoElement::disappear() {
    roles().cues->hideVideo();
    requestFree();
}

}  // namespace ztv
