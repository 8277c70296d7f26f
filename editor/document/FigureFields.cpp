#include "editor/document/FigureFields.h"

#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"

namespace ztv::editor {

int problemMessage(FieldProblem problem) {
    switch (problem) {
        case FieldProblem::NoPicture:
            return lang::ChoosePictureFirst;
        case FieldProblem::NoViewSize:
            return lang::SizeMustBePositive;
        case FieldProblem::FramesDoNotFillStrip:
            return lang::FramesDoNotFillStrip;
        case FieldProblem::NoSound:
            return lang::ChooseSoundFirst;
        case FieldProblem::NoArrival:
            return lang::ArrivalMissing;
        case FieldProblem::ArrivalNotANumber:
            return lang::NotAnInteger;
        case FieldProblem::None:
            break;
    }
    return -1;
}

bool isDisappearanceFichier(const QString& fichier, const LanguageFile& language) {
    return fichier == language.text(lang::MarkerDisappear) ||
           fichier == language.text(lang::MarkerBackgroundDisappear);
}

int frameWidthOf(int stripWidth, int frames) {
    return frames > 0 ? stripWidth / frames : 0;
}

bool framesFillStrip(int frameWidth, int frames, int stripWidth) {
    return stripWidth > 0 && frameWidth > 0 && qint64(frameWidth) * frames == stripWidth;
}

void clearUnofferedFields(ElementRecord& r) {
    r.Attente = 0;
    r.EffetPas = 0;
    r.EffetDepart = 0;
    r.EffetFin = 0;
    r.SurvolFichier.clear();
    r.SurvolAction = 0;
    r.SurvolPage = 0;
    r.SurvolColonne = 0;
    r.SurvolRetablir = 0;
}

}  // namespace ztv::editor
