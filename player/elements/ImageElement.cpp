// The picture cell at page load: its picture, tint, transparent colour, GIF frames and hover
// picture.
#include "player/elements/ImageElement.h"

#include "common/formats/AnimatedPicture.h"
#include "common/formats/ColorText.h"
#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "common/platform/SafetyLimits.h"
#include "player/elements/Appearance.h"
#include "player/elements/FrameStrip.h"
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

bool ImageElement::drawable() const {
    return limits::pictureSizeAllowed(record().Largeur, record().Hauteur);
}

QRect ImageElement::rect() const {
    return QRect(record().Gauche, record().Haut, record().Largeur, record().Hauteur);
}

void ImageElement::prepare() {
    const bool mediaByPage = roles().files != nullptr && roles().files->mediaPackedByPage();
    frames_.clear();
    hasHover_ = false;
    gifFrameCount_ = 0;
    if (!drawable()) {
        return;
    }
    mode_ = appearanceMode(record().Transparent, roles().messages->language());
    QImage picture = loadTinted(record().Fichier, mediaByPage);
    if (picture.isNull()) {
        return;
    }
    prepareFrames(std::move(picture));
    // A hover picture needs a picture to come back to.
    if (hasPicture() && !record().SurvolFichier.isEmpty()) {
        prepareHover(mediaByPage);
    }
}

// A null picture when loading failed (the message has been shown). The tint of the appearance
// mode is applied; an animated GIF's frames come later, from the GIF kept by the load.
QImage ImageElement::loadTinted(const QString& fichier, bool mediaByPage) {
    const ElementRecord& r = record();
    const LanguageFile& language = roles().messages->language();
    // Not filled here: a loaded picture covers it whole, every other case fills it.
    QImage picture(r.Largeur, r.Hauteur, QImage::Format_RGB32);
    if (language.isLine(fichier, lang::MarkerDisappear) ||
        language.isLine(fichier, lang::MarkerBackgroundDisappear)) {
        picture.fill(Qt::black);
    } else if (language.isLine(fichier, lang::MarkerPlainBackground)) {
        picture.fill(colourOf(r.Couleur));
    } else if (language.isLine(fichier, lang::MarkerGradient)) {
        fillGradient(picture, colourOf(r.Couleur), colourOf(r.Couldegra),
                     gradientDirection(r.sensdegra, language));
    } else if (!loadPicture(roles(), fichier, picture, mediaByPage, loaded_)) {
        return {};
    }
    applyTint(picture, mode_);
    return picture;
}

void ImageElement::prepareFrames(QImage picture) {
    const QSize size(record().Largeur, record().Hauteur);
    const LanguageFile& language = roles().messages->language();
    if (!loaded_.gif) {
        picture = atSize(picture, size);
        transparent_ = maskColour(language, record().Transparent, picture);
        frames_.append(picture);
        return;
    }
    const AnimatedPicture& gif = *loaded_.gif;
    loopCount_ = gif.loopCount();
    if (roles().pacing != nullptr) {
        roles().pacing->noteFrameDelay(gif.longestDelayMs());
    }
    transparent_ = maskColour(language, record().Transparent, picture);
    const int frameCount = gif.frameCount();
    frames_ = buildFrames(*roles().canvas, loaded_, picture, frameCount, size, transparent_);
    gifFrameCount_ = int(frames_.size());
}

// The hover picture is loaded like the picture, stretched to the element's size and shown
// without transparency; an animated one shows its first frame.
void ImageElement::prepareHover(bool mediaByPage) {
    QImage hover = loadTinted(record().SurvolFichier, mediaByPage);
    if (loaded_.gif) {
        hover = loaded_.gif->composeFrame(0).convertToFormat(QImage::Format_RGB32);
        applyTint(hover, mode_);
        loaded_.gif.reset();
    }
    if (hover.isNull()) {
        return;
    }
    frames_.append(atSize(hover, QSize(record().Largeur, record().Hauteur)));
    hasHover_ = true;
}

}  // namespace ztv
