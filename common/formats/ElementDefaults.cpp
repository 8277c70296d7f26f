#include "common/formats/ElementDefaults.h"

#include "common/formats/LangLines.h"

namespace ztv {

ElementRecord plainElement(const LanguageFile& language, int row, int column,
                           const QString& fichier, QRect rect) {
    ElementRecord r;
    r.Ligne = row;
    r.Colonne = column;
    r.Fichier = fichier;
    r.Effet = language.text(lang::EffectNone);
    r.Transparent = language.text(lang::AppearanceOpaque);
    r.Acte = language.text(lang::ActionNone);
    r.Gauche = rect.x();
    r.Haut = rect.y();
    r.Largeur = rect.width();
    r.Hauteur = rect.height();
    r.EffetPas = 10;
    r.EffetFin = 100;
    r.Click = r.DisparAuto = r.Inverse = r.IntegrFond = ouiNon(false);
    return r;
}

}  // namespace ztv
