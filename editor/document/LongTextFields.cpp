#include "editor/document/LongTextFields.h"

#include "common/formats/ColorText.h"
#include "common/formats/ElementRecord.h"
#include "common/formats/LanguageFile.h"
#include "common/formats/YesNo.h"
#include "common/platform/WinPath.h"
#include "editor/document/RecordGeometry.h"

namespace ztv::editor {

LongTextFields LongTextFields::fromRecord(const ElementRecord& r, const LanguageFile& language) {
    LongTextFields fields;
    fields.fichier = r.Fichier;
    fields.border = r.Vitesse == 1;
    fields.rect = recordRect(r);
    fields.text = colourOfValue(std::uint32_t(r.Couleur));
    fields.background = colourOfValue(std::uint32_t(r.Couldegra));
    fields.font.set(r.sensdegra, QString::number(r.size), r.style, language);
    return fields;
}

void LongTextFields::toRecord(ElementRecord& r, const LanguageFile& language) const {
    r.Fichier = fichier;
    r.Vitesse = border ? 1 : 0;
    setRecordRect(r, rect);
    r.Couleur = std::int32_t(valueOfColour(text));
    r.Couldegra = std::int32_t(valueOfColour(background));
    r.sensdegra = font.name;
    r.style = language.text(font.styleLine);
    r.size = font.points;
    r.Attente = 0;
    r.Acte.clear();
    r.Destination.clear();
    r.Destin2.clear();
    r.Effet.clear();
    r.Transparent.clear();
    r.SurvolFichier.clear();
    r.IntegrFond = ouiNon(false);
    r.Inverse = ouiNon(false);
    r.Click = ouiNon(false);
    r.DisparAuto = ouiNon(true);
    r.EffetPas = 0;
    r.EffetDepart = 0;
    r.EffetFin = 0;
    r.SurvolAction = 0;
    r.SurvolPage = 0;
    r.SurvolColonne = 0;
    r.SurvolRetablir = 0;
}

QString LongTextFields::cellText() const {
    return winpath::fileName(fichier);
}

}  // namespace ztv::editor
