#pragma once

#include "editor/document/FigureFields.h"

#include <QRect>
#include <QSize>
#include <QString>

namespace ztv::editor {

// A panorama: a window onto a picture larger than it, scrolled by clicks; or the disappearance
// of the row's panorama.
struct PanoramaFields {
    bool disappear = false;
    QString fichier;    // the picture's stored path
    QSize pictureSize;  // `style` x `Destin2`: the size the player draws the picture at
    QRect view;         // the window on the page
    int speed = 100;
    QString effect;            // `Effet`: the entrance transition's text
    int transitionOption = 0;  // `size`
    int stepX = 20;            // `Couleur`: percent of the width a click scrolls
    int stepY = 20;            // `Couldegra`: percent of the height
    bool wrapAround = false;   // `sensdegra`: 360°
    bool joinBackground = false;
    bool autoDisappear = false;
};

PanoramaFields panoramaFieldsOf(const ElementRecord& record, const LanguageFile& language);
// Puts the values into the record, with the fields a panorama fixes: opaque, no action, no
// wait, never after a click.
void writePanoramaFields(const PanoramaFields& fields, const LanguageFile& language,
                         ElementRecord& record);
FieldProblem panoramaProblem(const PanoramaFields& fields);

}  // namespace ztv::editor
