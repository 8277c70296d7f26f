#include "editor/document/CharacterFields.h"

#include "common/formats/LangLines.h"
#include "common/formats/LanguageFile.h"

namespace ztv::editor {

CharacterFields characterFieldsOf(const ElementRecord& r, const LanguageFile& language) {
    CharacterFields f;
    static_cast<SpriteFields&>(f) = spriteFieldsOf(r, language);
    f.speaks = r.style != language.text(lang::CharacterSilent);
    f.sound = r.sensdegra;
    f.loops = r.Couldegra;
    return f;
}

void writeCharacterFields(const CharacterFields& f, const LanguageFile& language,
                          ElementRecord& r) {
    writeSpriteFields(f, language, r);
    r.style = language.text(f.speaks ? lang::CharacterSpeaks : lang::CharacterSilent);
    r.sensdegra = f.sound;
    r.Couldegra = f.loops;
}

// A disappearance needs no voice: only a character that plays asks for its sound.
FieldProblem characterProblem(const CharacterFields& f, int stripWidth) {
    if (const FieldProblem strip = stripProblem(f, stripWidth); strip != FieldProblem::None) {
        return strip;
    }
    if (!f.disappear && f.speaks && f.sound.isEmpty()) {
        return FieldProblem::NoSound;
    }
    return FieldProblem::None;
}

}  // namespace ztv::editor
