#include "player/elements/ZtvCase.h"

#include "common/formats/AnimatedPicture.h"
#include "common/archives/EntryReader.h"
#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "player/elements/ElementHost.h"

namespace ztv {

TZtvCase::TZtvCase() = default;
TZtvCase::~TZtvCase() = default;

void TZtvCase::ChargerEnreg(int index, const ElementRecord& record,
                            const DisplayGeometry& geometry) {
    static_cast<ElementRecord&>(*this) = record;
    CurJouRec = index;
    scaleToDisplay(*this, geometry);
}

bool TZtvCase::sansPreparation() const {
    return fichierEst({lang::MarkerDisappear, lang::MarkerBackgroundDisappear});
}

bool TZtvCase::aEffacer() const {
    return fichierEst({lang::MarkerDisappear, lang::MarkerBackgroundDisappear});
}

bool TZtvCase::fichierEst(std::initializer_list<int> lines) const {
    for (int line : lines) {
        if (isLine(Fichier, line)) {
            return true;
        }
    }
    return false;
}

void TZtvCase::finirPas() {
    if (host_ != nullptr) {
        host_->finishSteps(Ligne, Colonne);
    }
}

QString TZtvCase::TexteLangue(int n) const {
    return host_ != nullptr ? host_->language().message(n) : QString();
}

bool TZtvCase::isLine(const QString& text, int line) const {
    return host_ != nullptr && host_->language().isLine(text, line);
}

QString TZtvCase::TrouverMedia(const QString& path) {
    return host_->locateMedia(path);
}

bool TZtvCase::ChercherLecteur(const QString& path) {
    return host_->searchDrivesFor(path);
}

QString TZtvCase::TypeLecteur(QChar letter) const {
    return host_->driveTypeText(letter);
}

bool TZtvCase::ChercherEntree(const QString& name) {
    QIODevice* file = host_->mediaDataFile();
    return file != nullptr && EntryReader(file).findEntry(name);
}

}  // namespace ztv
