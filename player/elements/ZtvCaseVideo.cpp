#include "player/elements/ZtvCaseVideo.h"

#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "player/engine/MediaPlayback.h"
#include "player/elements/ElementHost.h"

namespace ztv {

bool TZtvCaseVideo::sansPreparation() const {
    return fichierEst({lang::MarkerDisappear});
}

bool TZtvCaseVideo::aEffacer() const {
    return fichierEst({lang::MarkerDisappear});
}

void TZtvCaseVideo::Preparer() {
    host().media().scheduleVideo(host().mediaPlaybackPath(Fichier, MediaKind::Video));
}

bool TZtvCaseVideo::Afficher() {
    const LanguageFile& language = host().language();
    VideoCue cue;
    cue.fichier = Fichier;
    cue.path = host().mediaPlaybackPath(Fichier, MediaKind::Video);
    cue.acte = actionOf(*this, language);
    cue.actsWithoutClick = actsWithoutClick();
    cue.hideAtEnd = Vitesse == 1;
    cue.hideAtChange = Attente == 1.0;
    cue.startMs = Couleur;
    cue.endMs = Couldegra;
    cue.window = QRect(Gauche, Haut, Largeur, Hauteur);
    if (language.isLine(Transparent, lang::VideoBarNone)) {
        cue.bar = ControlBarPlace::None;
    } else if (language.isLine(Transparent, lang::VideoBarBelow)) {
        cue.bar = ControlBarPlace::Below;
    }
    if (language.isLine(sensdegra, lang::VideoPlay)) {
        cue.start = VideoCue::Start::Play;
    } else if (language.isLine(sensdegra, lang::VideoPlayAndWait)) {
        cue.start = VideoCue::Start::PlayAndWait;
    } else if (language.isLine(sensdegra, lang::VideoWaitForUser)) {
        cue.start = VideoCue::Start::WaitForUser;
    }
    const bool waits = host().media().AfficherVideo(cue);
    LibererSoi();
    return !waits;
}

void TZtvCaseVideo::Effacer() {
    host().media().EffacerVideo();
    LibererSoi();
}

}  // namespace ztv
