#pragma once

#include "editor/document/SpriteFields.h"

namespace ztv::editor {

// A character: a strip whose frames play in place while its voice plays, or for a number of
// loops when it has none.
struct CharacterFields : SpriteFields {
    bool speaks = true;  // `style`: with its sound (line 194) or without (line 195)
    QString sound;       // `sensdegra`: the voice's stored path
    int loops = 1;       // `Couldegra`, without sound
};

CharacterFields characterFieldsOf(const ElementRecord& record, const LanguageFile& language);
void writeCharacterFields(const CharacterFields& fields, const LanguageFile& language,
                          ElementRecord& record);
// The first thing that keeps the values from making a character; stripWidth: the loaded strip's.
FieldProblem characterProblem(const CharacterFields& fields, int stripWidth);

}  // namespace ztv::editor
