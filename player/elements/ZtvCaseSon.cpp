#include "player/elements/ZtvCaseSon.h"

#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "player/engine/MediaPlayback.h"
#include "player/elements/ElementHost.h"

namespace ztv {

bool TZtvCaseSon::sansPreparation() const {
    return fichierEst({lang::MarkerSoundStop});
}

bool TZtvCaseSon::aEffacer() const {
    return fichierEst({lang::MarkerSoundStop});
}

void TZtvCaseSon::Preparer() {
    host().media().scheduleSound(host().mediaPlaybackPath(Fichier, MediaKind::Sound));
}

bool TZtvCaseSon::Afficher() {
    const LanguageFile& language = host().language();
    SoundCue cue;
    cue.fichier = Fichier;
    cue.path = host().mediaPlaybackPath(Fichier, MediaKind::Sound);
    cue.acte = actionOf(*this, language);
    cue.actsWithoutClick = actsWithoutClick();
    cue.loop = Vitesse == 1;
    cue.stopAtChange = Attente == 1.0;
    cue.background = size == 1;
    cue.startMs = Couleur;
    cue.endMs = Couldegra;
    if (language.isLine(sensdegra, lang::SoundPlay)) {
        cue.start = SoundCue::Start::Play;
    } else if (language.isLine(sensdegra, lang::SoundPlayAndWait)) {
        cue.start = SoundCue::Start::PlayAndWait;
    }
    const bool waits = host().media().AfficherSon(cue);
    LibererSoi();
    return !waits;
}

void TZtvCaseSon::Effacer() {
    host().media().EffacerSon();
    LibererSoi();
}

}  // namespace ztv
