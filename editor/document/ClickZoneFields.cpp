#include "editor/document/ClickZoneFields.h"

#include "common/formats/ActionModel.h"
#include "common/formats/ColorText.h"
#include "common/formats/ElementKinds.h"
#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "common/formats/YesNo.h"

namespace ztv::editor {

QString clickZoneName(const LanguageFile& language, int row) {
    const int number = row - firstRowOf(ElementKind::ClickZone) + 1;
    return language.text(lang::ClickZone) + u' ' + QString::number(number);
}

ClickZoneFields ClickZoneFields::newZone(const LanguageFile& language) {
    ClickZoneFields zone;
    zone.acte = language.text(lang::ActionNone);
    return zone;
}

ClickZoneFields ClickZoneFields::of(const ElementRecord& r) {
    ClickZoneFields zone;
    zone.rect = QRect(r.Gauche, r.Haut, r.Largeur, r.Hauteur);
    zone.acte = r.Acte;
    zone.destination = r.Destination;
    zone.destin2 = r.Destin2;
    zone.inverse = isOui(r.Inverse);
    zone.afterClick = isOui(r.Click);
    zone.hoverGoTo = r.SurvolAction == 1;
    if (zone.hoverGoTo) {
        zone.hoverPage = r.SurvolPage;
        zone.hoverColumn = r.SurvolColonne;
    }
    return zone;
}

void ClickZoneFields::store(ElementRecord& r, const LanguageFile& language, int row,
                            const QColor& colour, const QColor& secondColour) const {
    r.Ligne = row;
    r.Fichier = clickZoneName(language, row);
    r.Gauche = rect.x();
    r.Haut = rect.y();
    r.Largeur = rect.width();
    r.Hauteur = rect.height();
    r.Acte = acte;
    r.Destination = destination;
    r.Destin2 = destin2;
    // The player reverses the next effect after any zone whose flag says so, action or not: a
    // new zone must not take whatever the record buffer held.
    if (actionKind(acte, language) != ActionKind::None) {
        r.Inverse = ouiNon(inverse);
    } else if (!isOui(r.Inverse) && !isNon(r.Inverse)) {
        r.Inverse = ouiNon(false);
    }
    r.Click = ouiNon(afterClick);
    r.SurvolAction = hoverGoTo ? 1 : 0;
    r.SurvolPage = hoverGoTo ? hoverPage : 0;
    r.SurvolColonne = hoverGoTo ? hoverColumn : 0;
    r.Effet.clear();
    r.Transparent.clear();
    r.sensdegra.clear();
    r.style.clear();
    r.SurvolFichier.clear();
    r.Vitesse = 0;
    r.Attente = 0.0;
    r.IntegrFond = r.DisparAuto = ouiNon(false);
    r.Couleur = std::int32_t(valueOfColour(colour));
    r.Couldegra = std::int32_t(valueOfColour(secondColour));
    r.size = r.EffetPas = r.EffetDepart = r.EffetFin = r.SurvolRetablir = 0;
}

}  // namespace ztv::editor
