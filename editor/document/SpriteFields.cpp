#include "editor/document/SpriteFields.h"

#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "editor/document/RecordGeometry.h"

namespace ztv::editor {

SpriteFields spriteFieldsOf(const ElementRecord& r, const LanguageFile& language) {
    SpriteFields f;
    f.disappear = isDisappearanceFichier(r.Fichier, language);
    f.fichier = f.disappear ? QString() : r.Fichier;
    f.appearance = r.Transparent;
    f.speed = r.Vitesse;
    f.rect = recordRect(r);
    f.frames = r.Couleur;
    f.endPose = r.size;
    f.action = r.Acte;
    f.destination = r.Destination;
    f.destin2 = r.Destin2;
    f.reverse = isOui(r.Inverse);
    f.afterClick = !isNon(r.Click);
    f.joinBackground = isOui(r.IntegrFond);
    f.autoDisappear = isOui(r.DisparAuto);
    return f;
}

void writeSpriteFields(const SpriteFields& f, const LanguageFile& language, ElementRecord& r) {
    r.Fichier = f.disappear ? language.text(lang::MarkerDisappear) : f.fichier;
    r.Effet = language.text(lang::EffectNone);
    r.Transparent = f.appearance;
    r.Vitesse = f.speed;
    setRecordRect(r, f.rect);
    r.Couleur = f.frames;
    r.size = f.endPose;
    r.Acte = f.action;
    r.Destination = f.destination;
    r.Destin2 = f.destin2;
    if (f.action != language.text(lang::ActionNone)) {
        r.Inverse = ouiNon(f.reverse);
    }
    r.Click = ouiNon(f.afterClick);
    r.IntegrFond = ouiNon(f.joinBackground);
    r.DisparAuto = ouiNon(f.autoDisappear);
    clearUnofferedFields(r);
}

FieldProblem stripProblem(const SpriteFields& f, int stripWidth) {
    if (f.disappear) {
        return FieldProblem::None;
    }
    if (f.fichier.isEmpty()) {
        return FieldProblem::NoPicture;
    }
    if (!framesFillStrip(f.rect.width(), f.frames, stripWidth)) {
        return FieldProblem::FramesDoNotFillStrip;
    }
    return FieldProblem::None;
}

}  // namespace ztv::editor
