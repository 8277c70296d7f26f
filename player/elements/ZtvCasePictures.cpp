// Loading an element's picture by the extension of its stored name, from a file or from the
// page's media data file.
#include "common/formats/AnimatedPicture.h"
#include "common/archives/EntryReader.h"
#include "common/formats/LangLines.h"
#include "common/formats/PictureLoader.h"
#include "common/formats/PicturePrefetch.h"
#include "common/platform/SafetyLimits.h"
#include "player/elements/ElementHost.h"
#include "player/elements/ZtvCase.h"

#include <QFile>
#include <QPainter>

namespace ztv {
namespace {

// A picture of the target's size and format simply becomes the target, without a copy;
// otherwise the target is filled black, then the picture stretched over it (an icon may leave
// parts of it uncovered).
void drawStretched(QImage& target, const QImage& picture) {
    if (target.isNull()) {
        return;
    }
    if (picture.size() == target.size() && picture.format() == target.format()) {
        target = picture;
        return;
    }
    target.fill(Qt::black);
    QPainter(&target).drawImage(target.rect(), picture);
}

}  // namespace

bool TZtvCase::ChargerImage(const QString& fichier, QImage& target, bool mediaByPage) {
    gif_.reset();
    loadedName_ = fichier;
    if (isLine(fichier, lang::MarkerDisappear)) {
        target.fill(Qt::black);
        return true;
    }
    if (isLine(fichier, lang::MarkerBackgroundDisappear)) {
        return true;
    }
    // "<lead> File <name> <what went wrong>"
    const auto tellMedia = [this](const QString& lead, const QString& name, int suffixLine) {
        host_->tell(lead + TexteLangue(lang::MediaFileWord) + u' ' + name + u' ' +
                    TexteLangue(suffixLine));
    };
    QString path = fichier;
    PictureRead read = PictureRead::Failed;
    if (!mediaByPage) {
        path = TrouverMedia(fichier);
        if (path.isEmpty()) {
            tellMedia(host_->missingPictureLead(), host_->shownPath(fichier),
                      lang::MediaNotFoundSuffix);
            return false;
        }
        read = LireImageFichier(target, path);
    } else {
        if (!ChercherEntree(fichier)) {
            tellMedia(host_->missingPictureLead(), fichier, lang::MediaNotInPageDataSuffix);
            return false;
        }
        read = LireImageArchive(target, fichier);
    }
    if (read == PictureRead::CannotOpen) {
        tellMedia(QStringLiteral("Position 2"), host_->shownPath(path),
                  lang::MediaCannotOpenSuffix);
    }
    return read == PictureRead::Ok;
}

void TZtvCase::oublierGif() {
    gif_.reset();
}

PictureRead TZtvCase::LireImageFichier(QImage& target, const QString& windowsPath) {
    const QString host = host_->toHost(windowsPath);
    const PictureKind kind = pictureKindOf(windowsPath);
    if (const auto picture = host_->picturePrefetch().take(host, kind)) {
        return drawPicture(target, *picture, kind);
    }
    QFile file(host);
    if (!file.open(QIODevice::ReadOnly)) {
        return PictureRead::CannotOpen;
    }
    if (file.size() > limits::kMaxEntrySize) {
        host_->tell(TexteLangue(lang::UnknownPictureFormat));
        return PictureRead::Failed;
    }
    const QByteArray data = file.readAll();
    if (data.size() != file.size()) {
        return PictureRead::CannotOpen;
    }
    return drawDecoded(target, data, windowsPath, true);
}

PictureRead TZtvCase::LireImageArchive(QImage& target, const QString& name) {
    QIODevice* file = host_->mediaDataFile();
    const auto data = file != nullptr ? EntryReader(file).readContent() : std::nullopt;
    if (!data) {
        return PictureRead::CannotOpen;
    }
    return drawDecoded(target, *data, name, false);
}

// JPEG and icons are stretched into the target; a bitmap (and, from a file, a picture of any
// other extension) becomes the target at its own size.
PictureRead TZtvCase::drawDecoded(QImage& target, const QByteArray& data, const QString& name,
                                  bool fromFile) {
    PictureKind kind = pictureKindOf(name);
    if (kind == PictureKind::Gif) {
        return drawGif(target, data);
    }
    if (kind == PictureKind::Other && !fromFile) {
        kind = PictureKind::Bitmap;
    }
    const Picture picture = decodePicture(data, kind);
    if (!picture.ok()) {
        host_->tell(TexteLangue(lang::UnknownPictureFormat));
        return PictureRead::Failed;
    }
    return drawPicture(target, picture.image, kind);
}

PictureRead TZtvCase::drawPicture(QImage& target, const QImage& picture, PictureKind kind) {
    if (kind == PictureKind::Bitmap || kind == PictureKind::Other) {
        target = picture.convertToFormat(QImage::Format_RGB32);
    } else {
        drawStretched(target, picture);
    }
    return PictureRead::Ok;
}

// A GIF of several frames is kept for the frame list, its first frame drawn at its own width;
// a single frame is stretched into the target.
PictureRead TZtvCase::drawGif(QImage& target, const QByteArray& data) {
    auto gif = std::make_unique<AnimatedPicture>();
    const GifError error = gif->load(data);
    if (error != GifError::None) {
        host_->tell(gifLoadFailedMessage(error));
        return PictureRead::Failed;
    }
    const QImage first = gif->composeFrame(0);
    if (gif->hasSeveralFrames()) {
        if (!target.isNull()) {
            target.fill(Qt::black);
            QPainter(&target).drawImage(QRect(0, 0, first.width(), target.height()), first);
        }
        gif_ = std::move(gif);
    } else {
        drawStretched(target, first);
    }
    return PictureRead::Ok;
}

}  // namespace ztv
