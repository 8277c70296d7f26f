// Loading an element's picture by the extension of its stored name, from a file or from the
// page's media data file.
#include "player/elements/PictureLoading.h"

#include "common/archives/EntryReader.h"
#include "common/formats/AnimatedPicture.h"
#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"
#include "common/formats/PictureLoader.h"
#include "common/formats/PicturePrefetch.h"
#include "common/platform/SafetyLimits.h"

#include <QFile>
#include <QPainter>

namespace ztv {
namespace {

// How reading a picture into a target ended.
enum class PictureRead { Ok, CannotOpen, Failed };

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

// The reading of one picture: where it comes from, whom to tell, what it keeps.
class PictureReader {
  public:
    PictureReader(const ElementRoles& roles, LoadedPicture& kept)
        : messages_(*roles.messages), finder_(*roles.finder), files_(roles.files), kept_(kept) {}

    PictureRead readFile(QImage& target, const QString& windowsPath) {
        const QString host = finder_.toHost(windowsPath);
        const PictureKind kind = pictureKindOf(windowsPath);
        if (files_ != nullptr) {
            if (const auto picture = files_->picturePrefetch().take(host, kind)) {
                return drawPicture(target, *picture, kind);
            }
        }
        QFile file(host);
        if (!file.open(QIODevice::ReadOnly)) {
            return PictureRead::CannotOpen;
        }
        if (file.size() > limits::kMaxEntrySize) {
            messages_.tell(messages_.language().message(lang::UnknownPictureFormat));
            return PictureRead::Failed;
        }
        const QByteArray data = file.readAll();
        if (data.size() != file.size()) {
            return PictureRead::CannotOpen;
        }
        return drawDecoded(target, data, windowsPath, true);
    }

    // The entry `name` in the page's media data file, from where the last search stopped,
    // going back to the start once. Found: the file stands on the entry's size field.
    bool findEntry(const QString& name) {
        QIODevice* file = dataFile();
        return file != nullptr && EntryReader(file).findEntry(name);
    }

    PictureRead readEntry(QImage& target, const QString& name) {
        QIODevice* file = dataFile();
        const auto data = file != nullptr ? EntryReader(file).readContent() : std::nullopt;
        if (!data) {
            return PictureRead::CannotOpen;
        }
        return drawDecoded(target, *data, name, false);
    }

  private:
    QIODevice* dataFile() const { return files_ != nullptr ? files_->mediaDataFile() : nullptr; }

    // JPEG and icons are stretched into the target; a bitmap (and, from a file, a picture of
    // any other extension) becomes the target at its own size.
    PictureRead drawDecoded(QImage& target, const QByteArray& data, const QString& name,
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
            messages_.tell(messages_.language().message(lang::UnknownPictureFormat));
            return PictureRead::Failed;
        }
        return drawPicture(target, picture.image, kind);
    }

    static PictureRead drawPicture(QImage& target, const QImage& picture, PictureKind kind) {
        if (kind == PictureKind::Bitmap || kind == PictureKind::Other) {
            target = picture.convertToFormat(QImage::Format_RGB32);
        } else {
            drawStretched(target, picture);
        }
        return PictureRead::Ok;
    }

    // A GIF of several frames is kept for the frame list, its first frame drawn at its own
    // width; a single frame is stretched into the target.
    PictureRead drawGif(QImage& target, const QByteArray& data) {
        auto gif = std::make_unique<AnimatedPicture>();
        const GifError error = gif->load(data);
        if (error != GifError::None) {
            messages_.tell(gifLoadFailedMessage(error));
            return PictureRead::Failed;
        }
        const QImage first = gif->composeFrame(0);
        if (gif->hasSeveralFrames()) {
            if (!target.isNull()) {
                target.fill(Qt::black);
                QPainter(&target).drawImage(QRect(0, 0, first.width(), target.height()), first);
            }
            kept_.gif = std::move(gif);
        } else {
            drawStretched(target, first);
        }
        return PictureRead::Ok;
    }

    ElementMessages& messages_;
    MediaFinder& finder_;
    PageMediaFiles* files_;
    LoadedPicture& kept_;
};

}  // namespace

LoadedPicture::LoadedPicture() = default;
LoadedPicture::~LoadedPicture() = default;
LoadedPicture::LoadedPicture(LoadedPicture&&) noexcept = default;
LoadedPicture& LoadedPicture::operator=(LoadedPicture&&) noexcept = default;

bool loadPicture(const ElementRoles& roles, const QString& fichier, QImage& target,
                 bool mediaByPage, LoadedPicture& kept) {
    kept = LoadedPicture();
    kept.name = fichier;
    ElementMessages& messages = *roles.messages;
    const LanguageFile& language = messages.language();
    if (language.isLine(fichier, lang::MarkerDisappear)) {
        target.fill(Qt::black);
        return true;
    }
    if (language.isLine(fichier, lang::MarkerBackgroundDisappear)) {
        return true;
    }
    // "<lead> File <name> <what went wrong>"
    const auto tellMedia = [&](const QString& lead, const QString& name, int suffixLine) {
        messages.tell(lead + language.message(lang::MediaFileWord) + u' ' + name + u' ' +
                      language.message(suffixLine));
    };
    PictureReader reader(roles, kept);
    QString path = fichier;
    PictureRead read = PictureRead::Failed;
    if (!mediaByPage) {
        path = roles.finder->locateMedia(fichier);
        if (path.isEmpty()) {
            tellMedia(messages.missingPictureLead(), roles.finder->shownPath(fichier),
                      lang::MediaNotFoundSuffix);
            return false;
        }
        read = reader.readFile(target, path);
    } else {
        if (!reader.findEntry(fichier)) {
            tellMedia(messages.missingPictureLead(), fichier, lang::MediaNotInPageDataSuffix);
            return false;
        }
        read = reader.readEntry(target, fichier);
    }
    if (read == PictureRead::CannotOpen) {
        tellMedia(QStringLiteral("Position 2"), roles.finder->shownPath(path),
                  lang::MediaCannotOpenSuffix);
    }
    return read == PictureRead::Ok;
}

}  // namespace ztv
