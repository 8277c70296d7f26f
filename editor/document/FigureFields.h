#pragma once

#include "common/formats/ElementRecord.h"

#include <QString>

namespace ztv {
class LanguageFile;
}

namespace ztv::editor {

// What keeps the values of a character, animation or panorama dialog from making a record the
// player can play; each is told by one message.
enum class FieldProblem {
    None,
    NoPicture,             // the picture option without a picture
    NoViewSize,            // a window of no width or no height
    FramesDoNotFillStrip,  // frame width x frames is not the strip's width
    NoSound,               // a speaking character without its sound file
    NoArrival,             // an animation without its arrival position
    ArrivalNotANumber,     // an arrival position that is no whole number
};

// The language line of the message that tells the author about the problem.
int problemMessage(FieldProblem problem);

// `Fichier` holds the disappearance of the row's element (or of the background), not a picture.
bool isDisappearanceFichier(const QString& fichier, const LanguageFile& language);

// The width of each of `frames` frames cut from a strip; 0 for no frames.
int frameWidthOf(int stripWidth, int frames);
// The frames fill the strip exactly, so that the player cuts the frames the author sees.
bool framesFillStrip(int frameWidth, int frames, int stripWidth);

// The fields these dialogs never offer: no wait, no effect percentages, no hover picture.
void clearUnofferedFields(ElementRecord& record);

}  // namespace ztv::editor
