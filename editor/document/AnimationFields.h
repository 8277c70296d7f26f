#pragma once

#include "editor/document/SpriteFields.h"

#include <QList>

namespace ztv::editor {

// An animation: a strip that travels from its start position to its arrival in a number of
// steps, cycling its frames.
struct AnimationFields : SpriteFields {
    // `sensdegra` and `style`: the arrival, as typed; stored as whole numbers.
    QString arrivalLeft;
    QString arrivalTop;
    int steps = 10;  // `Couldegra`
};

AnimationFields animationFieldsOf(const ElementRecord& record, const LanguageFile& language);
// Call only when animationProblem finds none: the arrival is then stored as the numbers typed.
void writeAnimationFields(const AnimationFields& fields, const LanguageFile& language,
                          ElementRecord& record);
FieldProblem animationProblem(const AnimationFields& fields, int stripWidth);

// Where an animation's record leaves its figure: its arrival with its frame size. The
// disappearance that follows it in its row covers that rectangle.
QRect arrivalRect(const ElementRecord& record);

// The rectangle a disappearance in the cell proposes: where the row's nearest earlier animation
// that is not itself a disappearance arrives; 2, 2, 100, 100 when there is none. records: the
// page file, record 0 included.
QRect proposedAnimationDisappearance(const QList<ElementRecord>& records, int row, int column,
                                     const LanguageFile& language);

}  // namespace ztv::editor
