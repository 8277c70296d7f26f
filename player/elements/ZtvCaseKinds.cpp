#include "player/elements/ZtvCaseKinds.h"

#include "common/LangLines.h"
#include "player/ZTVImage.h"

namespace ztv {

void TZtvCaseSon::Preparer(TZTVImage& engine) {
    attacher(engine);
    if (!engine.SonFutur) {
        engine.SonFutur = true;
        engine.FicSonFutur = engine.mediaPlaybackPath(Fichier, MediaKind::Sound);
    }
}

bool TZtvCaseSon::Afficher() {
    LibererSoi();
    return false;
}

void TZtvCaseSon::Effacer(TZTVImage& engine) {
    attacher(engine);
    LibererSoi();
}

void TZtvCaseVideo::Preparer(TZTVImage& engine) {
    attacher(engine);
    if (!engine.VideoFutur) {
        engine.VideoFutur = true;
        engine.FicVideoFutur = engine.mediaPlaybackPath(Fichier, MediaKind::Video);
    }
}

bool TZtvCaseVideo::Afficher() {
    LibererSoi();
    return false;
}

void TZtvCaseVideo::Effacer(TZTVImage& engine) {
    attacher(engine);
    LibererSoi();
}

void TSteppedElement::Preparer(TZTVImage& engine, bool) {
    attacher(engine);
}

void TSteppedElement::Avancer() {
    finirPas();
    LibererSoi();
}

void TZtvCasePano::Preparer(TZTVImage& engine, int, int) {
    attacher(engine);
}

void TZtvCasePano::Avancer() {
    finirPas();
}

}  // namespace ztv
