#include "player/elements/ZtvCase.h"

#include "common/AnimatedPicture.h"
#include "common/EntryReader.h"
#include "common/LangLines.h"
#include "player/ZTVImage.h"

namespace ztv {

TZtvCase::TZtvCase() = default;
TZtvCase::~TZtvCase() = default;

void TZtvCase::ChargerEnreg(int index, const ElementRecord& record,
                            const DisplayGeometry& geometry) {
    static_cast<ElementRecord&>(*this) = record;
    CurJouRec = index;
    scaleToDisplay(*this, geometry);
}

void TZtvCase::finirPas() {
    if (engine_ != nullptr) {
        engine_->setNextStep(Ligne, Colonne, 0);
        engine_->setRowShown(Ligne, false);
    }
}

QString TZtvCase::TexteLangue(int n) const {
    return engine_ != nullptr ? engine_->Showmess(n) : QString();
}

bool TZtvCase::isLine(const QString& text, int line) const {
    const QString lineText = TexteLangue(line);
    return !lineText.isEmpty() && text == lineText;
}

QString TZtvCase::TrouverMedia(const QString& path) {
    const QString onMediaDrive = engine_->mediaDrive + path;
    if (engine_->existsWindowsPath(onMediaDrive)) {
        return onMediaDrive;
    }
    if (ChercherLecteur(path)) {
        return engine_->mediaDrive + path;
    }
    return engine_->findBesideProject(path);
}

bool TZtvCase::ChercherLecteur(const QString& path) {
    return engine_->NineuilGrosCon(path);
}

QString TZtvCase::TypeLecteur(QChar letter) const {
    return engine_->environment().drives.typeText(letter);
}

bool TZtvCase::ChercherEntree(const QString& name) {
    QIODevice* file = engine_->mediaDataFile();
    return file != nullptr && EntryReader(file).findEntry(name);
}

}  // namespace ztv
