#include "editor/animation/AnimationFrames.h"

#include "common/formats/AnimatedPicture.h"
#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "common/formats/PictureLoader.h"
#include "common/platform/SafetyLimits.h"

#include <QDir>

namespace ztv::editor {

QList<AnimationFrames::Frame> AnimationFrames::picturesOf(const QString& hostPath) const {
    if (pictureKindOf(hostPath) == PictureKind::Gif) {
        AnimatedPicture gif;
        if (gif.loadFile(hostPath) != GifError::None || gif.frameCount() == 0) {
            return {};
        }
        // A GIF's transparent parts show white, as a strip of 24-bit frames can hold no holes.
        const QList<QImage> composed =
            gif.composeFrames(gif.frameCount(), gif.size(), qRgb(255, 255, 255));
        QList<Frame> frames;
        for (int i = 0; i < composed.size(); ++i) {
            frames.append({hostPath, gif.hasSeveralFrames() ? i : -1,
                           composed[i].convertToFormat(QImage::Format_RGB32)});
        }
        return frames;
    }
    const Picture picture = loadPictureFile(hostPath);
    if (!picture.ok()) {
        return {};
    }
    return {{hostPath, -1, picture.image.convertToFormat(QImage::Format_RGB32)}};
}

QList<AnimationFrames::Refusal> AnimationFrames::add(const QStringList& hostPaths) {
    QList<Refusal> refused;
    for (const QString& path : hostPaths) {
        const QList<Frame> pictures = picturesOf(path);
        if (pictures.isEmpty()) {
            refused.append({Refusal::Unreadable, path, {}});
            continue;
        }
        const QSize size = pictures.first().image.size();
        if (!frames_.isEmpty() && size != frameSize_) {
            refused.append({Refusal::OtherSize, path, size});
            continue;
        }
        // A GIF writes at most 256 frames, and the same list makes the strip.
        if (frames_.size() + pictures.size() > limits::kMaxGifWriteFrames) {
            refused.append({Refusal::TooMany, path, size});
            continue;
        }
        const std::int64_t pixels = std::int64_t(size.width()) * size.height();
        if ((frames_.size() + pictures.size()) * pixels > limits::kMaxGifTotalPixels) {
            refused.append({Refusal::TooLarge, path, size});
            continue;
        }
        frameSize_ = size;
        frames_.append(pictures);
    }
    return refused;
}

void AnimationFrames::remove(int index) {
    if (index < 0 || index >= frames_.size()) {
        return;
    }
    frames_.removeAt(index);
    if (frames_.isEmpty()) {
        frameSize_ = QSize(-1, -1);
    }
}

bool AnimationFrames::move(int from, int to) {
    if (from < 0 || to < 0 || from >= frames_.size() || to >= frames_.size()) {
        return false;
    }
    frames_.move(from, to);
    return true;
}

QList<QImage> AnimationFrames::images() const {
    QList<QImage> images;
    for (const Frame& frame : frames_) {
        images.append(frame.image);
    }
    return images;
}

QString AnimationFrames::label(int i) const {
    const Frame& frame = frames_.at(i);
    const QString shown = QDir::toNativeSeparators(frame.hostPath);
    return frame.gifFrame < 0 ? shown
                              : QStringLiteral("%1 [%2]").arg(shown).arg(frame.gifFrame + 1);
}

QString refusalMessage(const LanguageFile& language, const AnimationFrames::Refusal& refusal,
                       QSize frameSize) {
    const QString path = QDir::toNativeSeparators(refusal.hostPath);
    switch (refusal.reason) {
        case AnimationFrames::Refusal::Unreadable:
            return path + language.text(lang::PictureNotPreparedSuffix);
        case AnimationFrames::Refusal::TooMany:
            return language.text(lang::AnimationTooManyFrames) + u' ' + path;
        case AnimationFrames::Refusal::TooLarge:
            return language.text(lang::AnimationTooLarge) + u' ' + path;
        case AnimationFrames::Refusal::OtherSize:
            break;
    }
    return language.text(lang::PictureSizePrefix) + u' ' + path + u' ' +
           language.text(lang::PictureSizeMeasures) + u' ' + QString::number(refusal.size.width()) +
           language.text(lang::PictureSizeTimes) + QString::number(refusal.size.height()) +
           language.text(lang::PictureSizeListMeasure) + QString::number(frameSize.width()) +
           language.text(lang::PictureSizeTimes) + QString::number(frameSize.height()) +
           language.text(lang::PictureSizeNotAdded);
}

}  // namespace ztv::editor
