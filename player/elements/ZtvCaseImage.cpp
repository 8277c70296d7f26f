#include "player/elements/ZtvCaseImage.h"

#include "common/LangLines.h"
#include "common/SafetyLimits.h"
#include "player/ZTVImage.h"
#include "player/elements/GradientFill.h"
#include "player/elements/StepTiming.h"

#include <QPainter>

namespace ztv {
namespace {

QColor colourOf(std::int32_t value) {
    const auto v = std::uint32_t(value);
    return QColor(int(v & 0xff), int((v >> 8) & 0xff), int((v >> 16) & 0xff));
}

}  // namespace

bool TZtvCaseImage::drawable() const {
    return limits::pictureSizeAllowed(Largeur, Hauteur);
}

void TZtvCaseImage::Preparer(TZTVImage& engine, bool mediaByPage) {
    attacher(engine);
    frames_.clear();
    if (!drawable()) {
        return;
    }
    QImage picture = loadPicture(mediaByPage);
    if (picture.isNull()) {
        return;
    }
    if (picture.size() != QSize(Largeur, Hauteur)) {
        picture = picture.scaled(Largeur, Hauteur, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    }
    frames_.append(picture.convertToFormat(QImage::Format_RGB32));
}

// A null picture when loading failed (the message has been shown).
QImage TZtvCaseImage::loadPicture(bool mediaByPage) {
    // Not filled here: a loaded picture covers it whole, every other case fills it.
    QImage picture(Largeur, Hauteur, QImage::Format_RGB32);
    const auto is = [&](int line) {
        const QString text = TexteLangue(line);
        return !text.isEmpty() && Fichier == text;
    };
    if (is(lang::MarkerDisappear) || is(lang::MarkerBackgroundDisappear)) {
        picture.fill(Qt::black);
    } else if (is(lang::MarkerPlainBackground)) {
        picture.fill(colourOf(Couleur));
    } else if (is(lang::MarkerGradient)) {
        fillGradient(picture, colourOf(Couleur), colourOf(Couldegra),
                     gradientDirection(sensdegra, engine()->language()));
    } else if (!ChargerImage(Fichier, picture, mediaByPage)) {
        return {};
    }
    return picture;
}

void TZtvCaseImage::Afficher() {
    TZTVImage& im = *engine();
    if (!hasPicture()) {
        state_.finished = true;
        return;
    }
    bitmap_ = frames_.first();
    const QPoint at(Gauche, Haut);
    if (Ligne == 3 || IntegrFond == QStringLiteral("oui")) {
        QPainter(&im.Fond).drawImage(at, bitmap_);
    }
    QString effet = Effet;
    im.transitions().applyInverse(effet, im.EffetInverse);
    startTransition(effet);
}

void TZtvCaseImage::Effacer(TZTVImage& engine) {
    attacher(engine);
    if (!drawable()) {
        state_.finished = true;
        return;
    }
    bitmap_ = engine.Fond.copy(Gauche, Haut, Largeur, Hauteur);
    startTransition(Effet);
}

void TZtvCaseImage::startTransition(const QString& effet) {
    TZTVImage& im = *engine();
    state_ = im.transitions().start(effet, {EffetDepart, EffetPas, EffetFin, size}, im.canvas(),
                                    bitmap_, QPoint(Gauche, Haut));
    im.pagePlay().pauseDone = false;
}

void TZtvCaseImage::Avancer() {
    TZTVImage& im = *engine();
    if (state_.finished) {
        finirPas();
        if (!hasHover_) {
            LibererSoi();
        }
        return;
    }
    im.transitions().step(state_, im.canvas(), bitmap_, QPoint(Gauche, Haut));
    im.setNextStep(Ligne, Colonne, im.clock().nowMs() + steptiming::transitionDelayMs(Vitesse));
}

}  // namespace ztv
