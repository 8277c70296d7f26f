#include "editor/widgets/EditorPictures.h"

#include "common/formats/AnimatedPicture.h"
#include "common/formats/LangLines.h"
#include "common/formats/PictureLoader.h"
#include "common/platform/Prompter.h"
#include "editor/document/MediaLookup.h"
#include "editor/document/SessionSettings.h"
#include "player/elements/Appearance.h"
#include "player/elements/GradientFill.h"

#include <QPainter>
#include <cmath>

namespace ztv::editor {

namespace {

void drawStretched(QImage& target, const QImage& picture) {
    if (target.isNull()) {
        target = picture.convertToFormat(QImage::Format_RGB32);
        return;
    }
    target.fill(Qt::black);
    QPainter(&target).drawImage(target.rect(), picture);
}

// Nearest integer, halves to even.
int roundEven(double value) {
    return int(std::nearbyint(value));
}

}  // namespace

void EditorPictures::loadFailed(const QString& hostPath) {
    prompter_.message(QStringLiteral("Error 6: ") + state_.text(lang::MediaFileWord) + u' ' +
                      hostPath + u' ' + state_.text(lang::MediaCannotOpenSuffix));
}

void EditorPictures::load(PictureControl& target, const QString& hostPath, bool strip) {
    target.gifFrameCount = -1;
    const PictureKind kind = pictureKindOf(hostPath);
    if (kind == PictureKind::Gif) {
        loadGif(target, hostPath, strip);
        return;
    }
    const Picture picture = loadPictureFile(hostPath);
    if (!picture.ok()) {
        if (kind == PictureKind::Other && picture.status == PictureStatus::Unreadable) {
            prompter_.message(state_.language.message(lang::UnknownPictureFormat));
        } else {
            loadFailed(hostPath);
        }
        return;
    }
    if (kind == PictureKind::Bitmap || kind == PictureKind::Other) {
        target.image = picture.image.convertToFormat(QImage::Format_RGB32);
    } else {
        drawStretched(target.image, picture.image);
    }
    target.loadedSize = picture.image.size();
}

void EditorPictures::loadGif(PictureControl& target, const QString& hostPath, bool strip) {
    AnimatedPicture gif;
    if (gif.loadFile(hostPath) != GifError::None || gif.frameCount() == 0) {
        loadFailed(hostPath);
        return;
    }
    const QSize size = gif.size();
    if (!gif.hasSeveralFrames()) {
        drawStretched(target.image, gif.composeFrame(0));
        target.loadedSize = size;
        return;
    }
    target.gifFrameCount = gif.frameCount();
    if (!strip) {
        drawStretched(target.image, gif.composeFrame(0));
        target.loadedSize = size;
        return;
    }
    const QList<QImage> frames = gif.composeFrames(gif.frameCount(), size, 0);
    QImage stripPicture(size.width() * int(frames.size()), size.height(),
                        QImage::Format_ARGB32_Premultiplied);
    stripPicture.fill(Qt::transparent);
    {
        QPainter painter(&stripPicture);
        for (int i = 0; i < frames.size(); ++i) {
            painter.drawImage(i * size.width(), 0, frames[i]);
        }
    }
    drawStretched(target.image, stripPicture);
    target.loadedSize = stripPicture.size();
}

bool EditorPictures::prepare(PictureControl& target, const QString& fichier,
                             const QString& appearance, QColor colour, QColor secondColour,
                             const QString& direction, bool strip, const QString& messagePrefix) {
    const LanguageFile& language = state_.language;
    const int mode = appearanceMode(appearance, language);
    if (fichier == language.text(lang::MarkerPlainBackground)) {
        target.image.fill(colour);
    } else if (fichier == language.text(lang::MarkerGradient)) {
        fillGradient(target.image, colour, secondColour, gradientDirection(direction, language));
    } else if (fichier == language.text(lang::MarkerDisappear)) {
        target.image.fill(Qt::black);
    } else if (fichier != language.text(lang::MarkerBackgroundDisappear)) {
        if (!lookUpMedia(state_, fichier)) {
            prompter_.message(mediaNotFoundText(state_, messagePrefix, fichier));
            return false;
        }
        // What the look-up found: on a drive, or beneath a moved project's folder.
        load(target, mediaHostPath(state_, fichier), strip);
    }
    if (!isTransparentMode(mode) && mode != lang::AppearanceOpaque && !target.image.isNull()) {
        target.image = target.image.convertToFormat(QImage::Format_RGB32);
        applyTint(target.image, mode);
    }
    applyAppearance(target, appearance);
    return true;
}

void EditorPictures::applyAppearance(PictureControl& target, const QString& appearance) {
    const int mode = appearanceMode(appearance, state_.language);
    target.transparent = isTransparentMode(mode) && !target.image.isNull();
    if (!target.transparent) {
        return;
    }
    QRgb colour = 0xFFFFFF;
    if (mode == lang::AppearanceBlackClear) {
        colour = 0;
    } else if (mode == lang::AppearanceCornerClear) {
        colour = target.image.pixel(0, target.image.height() - 1) & 0xFFFFFF;
    }
    target.transparentColour = colour;
}

QRect previewFitRect(QSize panel, QSize loaded) {
    const int w0 = loaded.width();
    const int h0 = loaded.height();
    if (w0 <= 0 || h0 <= 0) {
        return {};
    }
    int width = w0;
    int height = h0;
    if (w0 > panel.width() || h0 > panel.height()) {
        const bool wide = h0 < w0;
        int& side = wide ? width : height;
        int& other = wide ? height : width;
        const double num = wide ? h0 : w0;
        const double den = wide ? w0 : h0;
        side = (wide ? panel.width() : panel.height()) - 4;
        other = roundEven(side * num / den);
        const int room = wide ? panel.height() : panel.width();
        for (int k = 99; room < other && k > 0; --k) {
            side = side * k / 100;
            other = roundEven(side * num / den);
        }
    }
    return QRect((panel.width() - width) / 2, (panel.height() - height) / 2, width, height);
}

}  // namespace ztv::editor
