#include "editor/document/PanoramaFields.h"

#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "editor/document/RecordGeometry.h"

namespace ztv::editor {

PanoramaFields panoramaFieldsOf(const ElementRecord& r, const LanguageFile& language) {
    PanoramaFields f;
    f.disappear = isDisappearanceFichier(r.Fichier, language);
    f.fichier = f.disappear ? QString() : r.Fichier;
    f.pictureSize = f.disappear ? QSize() : QSize(r.style.toInt(), r.Destin2.toInt());
    f.view = recordRect(r);
    f.speed = r.Vitesse;
    f.effect = r.Effet;
    f.transitionOption = r.size;
    f.stepX = r.Couleur;
    f.stepY = r.Couldegra;
    f.wrapAround = isOui(r.sensdegra);
    f.joinBackground = isOui(r.IntegrFond);
    f.autoDisappear = isOui(r.DisparAuto);
    return f;
}

void writePanoramaFields(const PanoramaFields& f, const LanguageFile& language, ElementRecord& r) {
    r.Fichier = f.disappear ? language.text(lang::MarkerDisappear) : f.fichier;
    r.style = f.disappear ? QString() : QString::number(f.pictureSize.width());
    r.Destin2 = f.disappear ? QString() : QString::number(f.pictureSize.height());
    setRecordRect(r, f.view);
    r.Vitesse = f.speed;
    r.Effet = f.effect;
    r.size = f.transitionOption;
    r.Couleur = f.stepX;
    r.Couldegra = f.stepY;
    r.sensdegra = ouiNon(f.wrapAround);
    r.IntegrFond = ouiNon(f.joinBackground);
    r.DisparAuto = ouiNon(f.autoDisappear);
    r.Transparent = language.text(lang::AppearanceOpaque);
    r.Acte = language.text(lang::ActionNone);
    r.Destination.clear();
    r.Inverse = ouiNon(false);
    r.Click = ouiNon(false);
    clearUnofferedFields(r);
}

// The player draws nothing for a picture of unknown size or a window of no size.
FieldProblem panoramaProblem(const PanoramaFields& f) {
    if (!f.disappear && (f.fichier.isEmpty() || f.pictureSize.isEmpty())) {
        return FieldProblem::NoPicture;
    }
    if (f.view.width() <= 0 || f.view.height() <= 0) {
        return FieldProblem::NoViewSize;
    }
    return FieldProblem::None;
}

}  // namespace ztv::editor
