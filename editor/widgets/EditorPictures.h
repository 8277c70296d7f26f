#pragma once

#include "editor/widgets/PictureControl.h"

#include <QColor>
#include <QRect>
#include <QSize>
#include <QString>

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;

// The picture and media routines the element dialogs share. Vocabulary (markers, appearance
// modes, gradient directions) is the player's, through the same routines.
class EditorPictures {
  public:
    EditorPictures(SessionSettings& settings, Prompter& prompter)
        : state_(settings), prompter_(prompter) {}

    // Loads a picture file (a host path) into the control. JPEG, icons and
    // GIF are stretched into the control's picture; a bitmap or a picture of another format
    // replaces it at its own size. An animated GIF in strip mode becomes its frames side by
    // side. The control keeps the loaded size and the GIF frame count; failures show their message.
    void load(PictureControl& target, const QString& hostPath, bool strip);

    // Prepares an element's picture as the page shows it: the marker colours, the gradient,
    // the picture file (looked up over the drives), then the appearance mode and its tint.
    // False (after a message) only when the file is found nowhere.
    bool prepare(PictureControl& target, const QString& fichier, const QString& appearance,
                 QColor colour, QColor secondColour, const QString& direction, bool strip,
                 const QString& messagePrefix);

    // Makes the control transparent by the colour the appearance mode names (white, black or
    // its bottom-left pixel), or opaque.
    void applyAppearance(PictureControl& target, const QString& appearance);

  private:
    void loadGif(PictureControl& target, const QString& hostPath, bool strip);
    void loadFailed(const QString& hostPath);

    SessionSettings& state_;
    Prompter& prompter_;
};

// Where a picture of the loaded size shows in a preview panel: its own size when it fits,
// else shrunk in steps of a percent until it does, centred in the panel.
QRect previewFitRect(QSize panel, QSize loaded);

}  // namespace ztv::editor
