#pragma once

#include "player/elements/MediaPath.h"

#include <QImage>
#include <QString>
#include <QtGlobal>

class QIODevice;

namespace ztv {

class Clock;
class DriveTable;
class LanguageFile;
class MediaPlayback;
class PicturePrefetch;
class TransitionEngine;
struct DisplayGeometry;

// What an element may ask of the engine that plays it, and nothing more: elements see the page
// through this, never through the engine's own class.
class ElementHost {
  public:
    virtual ~ElementHost() = default;

    // --- drawing ---
    virtual QImage& canvas() = 0;
    // The page background (`Fond`): what a disappearing element copies back.
    virtual QImage& fond() = 0;
    virtual const DisplayGeometry& geometry() const = 0;
    // Full-screen projects stretch frame strips to the screen (`ProjetStretch`).
    virtual bool projetStretch() const = 0;
    virtual TransitionEngine& transitions() = 0;
    // The next appearance runs its effect reversed (`EffetInverse`); the appearance that
    // reverses its effect clears it.
    virtual bool& effetInverse() = 0;

    // --- time and steps ---
    virtual const Clock& clock() const = 0;
    // When the cell takes its next timer step (engine clock, ms).
    virtual void setNextStep(int row, int column, qint64 timeMs) = 0;
    // The cell needs no more steps and its row no longer counts as shown in the column.
    virtual void finishSteps(int row, int column) = 0;
    // Something changed on the page: the column's pause is taken again from now.
    virtual void restartColumnPause() = 0;
    // An animated picture of the page changes frames after this delay (`GifVitesse` keeps the
    // longest).
    virtual void noteFrameDelay(int ms) = 0;

    // --- messages and vocabulary ---
    virtual void tell(const QString& text) = 0;
    virtual const LanguageFile& language() const = 0;
    // What the message about a picture file that is nowhere starts with, before line 43: the
    // player says "Position 1"; the editor's pictures name their caller.
    const QString& missingPictureLead() const { return missingPictureLead_; }
    void setMissingPictureLead(const QString& lead) { missingPictureLead_ = lead; }

    // --- media look-up ---
    // The drive put in front of drive-less stored paths (`mediaDrive`).
    virtual QString mediaDrive() const = 0;
    // The media drive goes back to C: (elements that look their files up from there again).
    virtual void resetMediaDrive() = 0;
    virtual bool existsWindowsPath(const QString& windowsPath) const = 0;
    // Tries the drive-less path on every known drive A: to Z:; a hit becomes the media drive.
    virtual bool searchDrivesFor(const QString& pathWithoutDrive) = 0;
    // A project moved elsewhere: the stored path's file beneath the project's folder (its
    // longest tail first). The Windows path of the hit, empty when none.
    virtual QString findBesideProject(const QString& storedPath) const = 0;
    virtual QString driveTypeText(QChar letter) const = 0;
    // The drive-less stored path on the media drive, else on the first drive that has it (which
    // becomes the media drive), else beneath a moved project; empty when it is nowhere.
    QString locateMedia(const QString& pathWithoutDrive);
    virtual const DriveTable& drives() const = 0;
    QString toHost(const QString& windowsPath) const;
    // What a person reads in a message for a stored or Windows path: its host path.
    QString shownPath(const QString& path) const;
    // The page's media data file while a page loads; null when there is none.
    virtual QIODevice* mediaDataFile() = 0;
    // The picture files of the page being loaded, decoded ahead on other threads.
    virtual PicturePrefetch& picturePrefetch() = 0;
    // Media packed page by page (settings line 4).
    virtual bool mediaPackedByPage() const = 0;
    // Where packing put a stored sound or video, as a drive-less path.
    virtual QString mediaPlaybackPath(const QString& stored, MediaKind kind) const = 0;

    // --- media playback: the engine's devices and their options ---
    virtual MediaPlayback& media() = 0;

  private:
    QString missingPictureLead_ = QStringLiteral("Position 1");
};

}  // namespace ztv
