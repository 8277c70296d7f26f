#include "player/elements/PanoramaElement.h"

#include "common/formats/LangLines.h"
#include "common/platform/SafetyLimits.h"
#include "player/elements/Appearance.h"
#include "player/elements/NextStep.h"
#include "player/elements/PictureLoading.h"
#include "player/elements/StepTiming.h"
#include "player/transitions/KeyedCopy.h"

#include <QPainter>
#include <cmath>

namespace ztv {
namespace {

// The panorama's transition moves by a tenth of its speed a step (halves to even), at least 1.
int transitionStep(int vitesse) {
    return std::max(1, int(std::nearbyint(double(steptiming::speed(vitesse)) / 10)));
}

// A size stored as text: 0 when it is no number.
int sideOf(const QString& text) {
    bool ok = false;
    const int side = text.trimmed().toInt(&ok);
    return ok ? side : 0;
}

}  // namespace

void PanoramaElement::link() {
    roles().finder->resetMediaDrive();
}

bool PanoramaElement::skipsPreparation() const {
    return fichierIsOneOf({lang::MarkerDisappear});
}

bool PanoramaElement::disappears() const {
    return fichierIsOneOf({lang::MarkerDisappear});
}

QRect PanoramaElement::rect() const {
    return QRect(record().Gauche, record().Haut, record().Largeur, record().Hauteur);
}

// The picture is drawn at exactly `style` x `Destin2`: a bitmap of another size is cut or
// padded, not stretched.
void PanoramaElement::prepare() {
    const ElementRecord& r = record();
    const QSize size(sideOf(r.style), sideOf(r.Destin2));
    if (!limits::pictureSizeAllowed(size.width(), size.height()) ||
        !limits::pictureSizeAllowed(r.Largeur, r.Hauteur)) {
        return;
    }
    QImage loaded(size, QImage::Format_RGB32);
    LoadedPicture kept;
    const bool mediaByPage = roles().files != nullptr && roles().files->mediaPackedByPage();
    if (!loadPicture(roles(), r.Fichier, loaded, mediaByPage, kept)) {
        return;
    }
    QImage picture(size, QImage::Format_RGB32);
    picture.fill(Qt::black);
    QPainter(&picture).drawImage(QPoint(0, 0), loaded);
    view_ = PanoramaView(std::move(picture), rect().size(), isOui(r.sensdegra));
}

bool PanoramaElement::show() {
    if (view_.isNull()) {
        state_.finished = true;
        return true;
    }
    shown_ = view_.render();
    if (record().joinsBackground()) {
        drawThrough(roles().canvas->pageBackground(), rect().topLeft(), shown_, std::nullopt);
    }
    startTransition();
    step();
    return true;
}

void PanoramaElement::startTransition() {
    PageCanvas& page = *roles().canvas;
    const QString effet = appearanceEffect(page.transitions(), roles().reversal, record().Effet);
    state_ =
        page.transitions().start(effet, {0, transitionStep(record().Vitesse), 100, record().size},
                                 page.canvas(), shown_, rect().topLeft());
    restartColumnPause();
}

void PanoramaElement::disappear() {
    if (limits::pictureSizeAllowed(record().Largeur, record().Hauteur)) {
        shown_ = roles().canvas->pageBackground().copy(rect());
        drawView();
    }
    state_.finished = true;
    step();
}

// Once its transition is done the panorama takes no more steps but stays for its clicks.
void PanoramaElement::step() {
    if (state_.finished) {
        finishSteps();
        return;
    }
    stepTransition();
    scheduleStepIn(*roles().steps, record(), steptiming::panoramaDelayMs(record().Vitesse));
}

// The panorama draws the state at 100 as a step of its own, then the whole view at the next
// one. Its flights come from the edges of the display, whatever the page's place on it.
void PanoramaElement::stepTransition() {
    if (state_.position >= 100) {
        drawView();
        state_.finished = true;
        state_.held = false;
        state_.saved = QImage();
        return;
    }
    TransitionEngine& transitions = roles().canvas->transitions();
    const QRect pageArea = transitions.pageArea();
    transitions.setPageArea(QRect());
    transitions.step(state_, roles().canvas->canvas(), shown_, rect().topLeft());
    transitions.setPageArea(pageArea);
    if (state_.finished && state_.effect != kEffectUnknown) {
        state_.finished = false;
        state_.position = 100;
    }
}

void PanoramaElement::drawView() {
    drawThrough(roles().canvas->canvas(), rect().topLeft(), shown_, std::nullopt);
}

// A click scrolls the view once it has been shown; the panorama adds nothing to the page's
// background afterwards.
void PanoramaElement::scroll(int direction) {
    if (view_.isNull() || shown_.isNull()) {
        return;
    }
    view_.scroll(direction, record().Couleur, record().Couldegra);
    if (state_.finished) {
        view_.drawAt(roles().canvas->canvas(), rect().topLeft());
        return;
    }
    // A transition still running goes on with the new view.
    shown_ = view_.render();
    drawView();
}

}  // namespace ztv
