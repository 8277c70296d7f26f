#pragma once

#include "editor/document/FigureFields.h"

#include <QRect>
#include <QString>

namespace ztv::editor {

// What a character and an animation share: a strip of frames (or the disappearance of the
// row's figure), how it shows, where it starts, how it ends and the action a click starts.
struct SpriteFields {
    bool disappear = false;
    QString fichier;     // the strip's stored path, with the picture option
    QString appearance;  // `Transparent`: an appearance mode's text
    int speed = 100;
    QRect rect;  // the start position and one frame's size
    int frames = 1;
    int endPose = 0;  // `size`: the entry of the end pose list
    QString action;   // `Acte`: an action's text
    QString destination;
    QString destin2;
    bool reverse = false;
    bool afterClick = true;
    bool joinBackground = false;
    bool autoDisappear = false;
};

SpriteFields spriteFieldsOf(const ElementRecord& record, const LanguageFile& language);
// Puts the values into the record; `Effet` is no effect and the fields the dialogs do not offer
// are cleared. `Inverse` is kept as it was when no action follows.
void writeSpriteFields(const SpriteFields& fields, const LanguageFile& language,
                       ElementRecord& record);
// A picture, cut into frames that fill it; stripWidth: the width of the loaded strip.
FieldProblem stripProblem(const SpriteFields& fields, int stripWidth);

}  // namespace ztv::editor
