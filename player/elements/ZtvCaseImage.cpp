// The picture cell at page load: its picture, tint, transparent colour, GIF frames and hover
// picture.
#include "player/elements/ZtvCaseImage.h"

#include "common/formats/AnimatedPicture.h"
#include "common/formats/ColorText.h"
#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "common/platform/SafetyLimits.h"
#include "player/elements/Appearance.h"
#include "player/elements/ElementHost.h"
#include "player/elements/GradientFill.h"

namespace ztv {
namespace {

QColor colourOf(std::int32_t value) {
    return colourOfValue(std::uint32_t(value));
}

QImage atSize(const QImage& picture, QSize size) {
    const QImage sized = picture.size() == size
                             ? picture
                             : picture.scaled(size, Qt::IgnoreAspectRatio, Qt::FastTransformation);
    return sized.convertToFormat(QImage::Format_RGB32);
}

}  // namespace

bool TZtvCaseImage::drawable() const {
    return limits::pictureSizeAllowed(Largeur, Hauteur);
}

void TZtvCaseImage::Preparer() {
    const bool mediaByPage = host().mediaPackedByPage();
    frames_.clear();
    hasHover_ = false;
    gifFrameCount_ = 0;
    if (!drawable()) {
        return;
    }
    mode_ = appearanceMode(Transparent, host().language());
    QImage picture = loadPicture(Fichier, mediaByPage);
    if (picture.isNull()) {
        return;
    }
    prepareFrames(std::move(picture));
    // A hover picture needs a picture to come back to.
    if (hasPicture() && !SurvolFichier.isEmpty()) {
        prepareHover(mediaByPage);
    }
}

// A null picture when loading failed (the message has been shown). The tint of the appearance
// mode is applied; an animated GIF's frames come later, from the GIF kept by the load.
QImage TZtvCaseImage::loadPicture(const QString& fichier, bool mediaByPage) {
    // Not filled here: a loaded picture covers it whole, every other case fills it.
    QImage picture(Largeur, Hauteur, QImage::Format_RGB32);
    if (isLine(fichier, lang::MarkerDisappear) ||
        isLine(fichier, lang::MarkerBackgroundDisappear)) {
        picture.fill(Qt::black);
    } else if (isLine(fichier, lang::MarkerPlainBackground)) {
        picture.fill(colourOf(Couleur));
    } else if (isLine(fichier, lang::MarkerGradient)) {
        fillGradient(picture, colourOf(Couleur), colourOf(Couldegra),
                     gradientDirection(sensdegra, host().language()));
    } else if (!ChargerImage(fichier, picture, mediaByPage)) {
        return {};
    }
    applyTint(picture, mode_);
    return picture;
}

void TZtvCaseImage::prepareFrames(QImage picture) {
    const QSize size(Largeur, Hauteur);
    if (!hasGifFrames()) {
        picture = atSize(picture, size);
        transparent_ = CouleurMasque(Transparent, picture);
        frames_.append(picture);
        return;
    }
    const AnimatedPicture& gif = *gifFrames();
    loopCount_ = gif.loopCount();
    host().noteFrameDelay(gif.longestDelayMs());
    transparent_ = CouleurMasque(Transparent, picture);
    frames_ = ConstruireImages(picture, gif.frameCount(), size, transparent_);
    gifFrameCount_ = int(frames_.size());
}

// The hover picture is loaded like the picture, stretched to the element's size and shown
// without transparency; an animated one shows its first frame.
void TZtvCaseImage::prepareHover(bool mediaByPage) {
    QImage hover = loadPicture(SurvolFichier, mediaByPage);
    if (hasGifFrames()) {
        hover = gifFrames()->composeFrame(0).convertToFormat(QImage::Format_RGB32);
        applyTint(hover, mode_);
        oublierGif();
    }
    if (hover.isNull()) {
        return;
    }
    frames_.append(atSize(hover, QSize(Largeur, Hauteur)));
    hasHover_ = true;
}

}  // namespace ztv
