#include "player/elements/SoundElement.h"

#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "player/elements/MediaElementPath.h"

namespace ztv {

bool SoundElement::skipsPreparation() const {
    return fichierIsOneOf({lang::MarkerSoundStop});
}

bool SoundElement::disappears() const {
    return fichierIsOneOf({lang::MarkerSoundStop});
}

void SoundElement::prepare() {
    roles().cues->scheduleSound(playbackPathOf(roles(), record().Fichier, MediaKind::Sound));
}

bool SoundElement::show() {
    const ElementRecord& r = record();
    const LanguageFile& language = roles().messages->language();
    SoundCue cue;
    cue.fichier = r.Fichier;
    cue.path = playbackPathOf(roles(), r.Fichier, MediaKind::Sound);
    cue.acte = actionOf(r, language);
    cue.actsWithoutClick = r.actsWithoutClick();
    cue.loop = r.Vitesse == 1;
    cue.stopAtChange = r.Attente == 1.0;
    cue.background = r.size == 1;
    cue.startMs = r.Couleur;
    cue.endMs = r.Couldegra;
    if (language.isLine(r.sensdegra, lang::SoundPlay)) {
        cue.start = SoundCue::Start::Play;
    } else if (language.isLine(r.sensdegra, lang::SoundPlayAndWait)) {
        cue.start = SoundCue::Start::PlayAndWait;
    }
    const bool waits = roles().cues->showSound(cue);
    requestFree();
    return !waits;
}

void SoundElement::disappear() {
    roles().cues->stopSound();
    requestFree();
}

}  // namespace ztv
