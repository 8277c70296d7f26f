#pragma once

#include "common/media/MediaService.h"

#include <QRect>
#include <QString>

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;

// A sound or film played in a dialog's panel through the media service. The editor has one
// device at a time: opening a file closes the one before. Positions are milliseconds.
class PanelMedia {
  public:
    PanelMedia(SessionSettings& state, Prompter& prompter) : state_(state), prompter_(prompter) {}

    // Opens the stored file, looked up over the drives; the sound-stop and background
    // markers open nothing and succeed. A failure shows its message.
    bool open(const QString& fichier, const QString& messagePrefix);
    qint64 length() const;
    // The film's own size; empty for a sound or with nothing open.
    QSize naturalSize() const;
    bool playing() const;
    // Plays from startMs to the end of the media, the film stretched over the panel (a
    // sound shows nothing); the end is notified. endMs is not a stop position.
    bool play(const QRect& panel, bool soundOnly, qint64 endMs, qint64 startMs);
    // Pauses and answers the position reached; 0 with no device.
    qint64 pause();
    void close();

  private:
    MediaService* service() const;

    SessionSettings& state_;
    Prompter& prompter_;
};

}  // namespace ztv::editor
