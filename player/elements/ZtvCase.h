#pragma once

#include "common/formats/DisplayScaling.h"
#include "common/formats/ElementRecord.h"
#include "common/formats/PictureLoader.h"

#include <QImage>
#include <QList>
#include <QRgb>
#include <QSize>
#include <QString>
#include <initializer_list>
#include <memory>
#include <optional>

namespace ztv {

class AnimatedPicture;
class ElementHost;

// How reading a picture into a target ended.
enum class PictureRead { Ok, CannotOpen, Failed };

// The base of every page element: the record's fields under their own names, the operations
// the engine calls on any element, and the routines every kind shares (language look-ups,
// finding media, loading pictures, frame strips).
//
// The engine owns every element and calls it through the virtual operations below; a kind
// overrides what it does. An element never deletes itself: where it is done for good it calls
// LibererSoi(), and the engine frees it once the element's call has returned.
class TZtvCase : public ElementRecord {
  public:
    TZtvCase();
    virtual ~TZtvCase();
    TZtvCase(const TZtvCase&) = delete;
    TZtvCase& operator=(const TZtvCase&) = delete;

    int CurJouRec = 0;  // index of the record in the page file

    // Copies the record, then adapts its rectangle to the display.
    void ChargerEnreg(int index, const ElementRecord& record, const DisplayGeometry& geometry);
    // The engine that plays the element; set before any operation below.
    void attacher(ElementHost& host) { host_ = &host; }

    // --- the operations the engine calls ---
    // Page load, whatever the record holds.
    virtual void Lier() {}
    // The record holds a marker that keeps this kind from being prepared at page load.
    virtual bool sansPreparation() const;
    // The record holds a marker that makes this kind disappear (Effacer) instead of appearing.
    virtual bool aEffacer() const;
    // Page load: everything that can be ready before the column is shown.
    virtual void Preparer() {}
    // The element's column is shown. False: the column waits (for the end of a medium) before
    // its display goes on.
    virtual bool Afficher() { return true; }
    // The element's column is shown and the record holds a disappearance marker.
    virtual void Effacer() {}
    // A timer step that has come due.
    virtual void Avancer() {}
    // The element's transition has finished; what steps on is a picture's animation only.
    virtual bool transitionFinie() const { return false; }
    // Seconds the column waits once its effects are done (`Attente` where the kind keeps one).
    virtual double pauseColonne() const { return 0; }
    // The mouse entered (on) or left (off) the element's row.
    virtual void Survoler(bool /*on*/) {}
    // A click on the element scrolls it (the panorama): 0 left, 1 right, 2 up, 3 down.
    virtual void Defiler(int /*direction*/) {}
    // The page changes: the element's own display goes away.
    virtual void Cacher() {}

    bool liberationDemandee() const { return freeRequested_; }

    // --- shared routines ---
    ElementHost& host() const { return *host_; }

    QString TexteLangue(int n) const;
    // The text is exactly language line `line` (an empty line matches nothing).
    bool isLine(const QString& text, int line) const;
    // The drive-less media path on the media drive, else on the first searched drive (which
    // becomes the media drive), else beneath the folder of a moved project. Empty when it is
    // nowhere: the caller's message names the file.
    QString TrouverMedia(const QString& path);
    bool ChercherLecteur(const QString& path);
    QString TypeLecteur(QChar letter) const;
    // The entry `name` in the page's media data file, from where the last search stopped,
    // going back to the start once. Found: the file stands on the entry's size field. Not
    // found: the caller's message names the entry.
    bool ChercherEntree(const QString& name);

    // The element's picture into target, sized by the caller: a file's picture covers the whole
    // target (or replaces it: bitmaps keep their own size), so the caller need not fill it
    // first. False after a message.
    bool ChargerImage(const QString& fichier, QImage& target, bool mediaByPage);
    PictureRead LireImageFichier(QImage& target, const QString& windowsPath);
    PictureRead LireImageArchive(QImage& target, const QString& name);

    // The transparent colour of a strip for the appearance text; nullopt is "no colour".
    std::optional<QRgb> CouleurMasque(const QString& transparent, const QImage& picture) const;
    // The frames of a strip (or of the GIF the last load kept): count pictures of frameSize,
    // filled with the mask colour where nothing is drawn.
    QList<QImage> ConstruireImages(const QImage& strip, int count, QSize frameSize,
                                   std::optional<QRgb> mask);

    // A GIF of several frames kept by the last picture load, for the frame list.
    bool hasGifFrames() const { return gif_ != nullptr; }
    const AnimatedPicture* gifFrames() const { return gif_.get(); }

  protected:
    // Drops the GIF the last picture load kept, when its frames are not wanted.
    void oublierGif();
    // "Free self": the engine removes this element after the current call.
    void LibererSoi() { freeRequested_ = true; }
    // The row is no longer shown in the column, and the cell needs no more steps.
    void finirPas();
    // `Fichier` is the text of one of these marker lines.
    bool fichierEst(std::initializer_list<int> lines) const;

  private:
    PictureRead drawDecoded(QImage& target, const QByteArray& data, const QString& name,
                            bool fromFile);
    PictureRead drawGif(QImage& target, const QByteArray& data);
    PictureRead drawPicture(QImage& target, const QImage& picture, PictureKind kind);
    QList<QImage> gifFrameList(int count, QSize frameSize, std::optional<QRgb> mask);
    QList<QImage> stripFrameList(const QImage& strip, int count, QSize frameSize,
                                 std::optional<QRgb> mask) const;

    ElementHost* host_ = nullptr;
    std::unique_ptr<AnimatedPicture> gif_;
    QString loadedName_;  // the stored name of the last picture load (its extension counts)
    bool freeRequested_ = false;
};

}  // namespace ztv
