#include "editor/document/AnimationFields.h"

#include "common/formats/LanguageFile.h"
#include "editor/document/RecordGeometry.h"

#include <optional>

namespace ztv::editor {

namespace {

std::optional<int> wholeNumber(const QString& text) {
    bool ok = false;
    const int value = text.trimmed().toInt(&ok);
    return ok ? std::optional<int>(value) : std::nullopt;
}

}  // namespace

AnimationFields animationFieldsOf(const ElementRecord& r, const LanguageFile& language) {
    AnimationFields f;
    static_cast<SpriteFields&>(f) = spriteFieldsOf(r, language);
    f.arrivalLeft = r.sensdegra;
    f.arrivalTop = r.style;
    f.steps = r.Couldegra;
    return f;
}

void writeAnimationFields(const AnimationFields& f, const LanguageFile& language,
                          ElementRecord& r) {
    writeSpriteFields(f, language, r);
    r.sensdegra = f.disappear ? QString() : QString::number(wholeNumber(f.arrivalLeft).value_or(0));
    r.style = f.disappear ? QString() : QString::number(wholeNumber(f.arrivalTop).value_or(0));
    r.Couldegra = f.steps;
}

// The player reads the arrival as whole numbers and cannot move a figure to anything else.
FieldProblem animationProblem(const AnimationFields& f, int stripWidth) {
    if (f.disappear) {
        return FieldProblem::None;
    }
    if (f.arrivalLeft.trimmed().isEmpty() || f.arrivalTop.trimmed().isEmpty()) {
        return FieldProblem::NoArrival;
    }
    if (const FieldProblem strip = stripProblem(f, stripWidth); strip != FieldProblem::None) {
        return strip;
    }
    if (!wholeNumber(f.arrivalLeft) || !wholeNumber(f.arrivalTop)) {
        return FieldProblem::ArrivalNotANumber;
    }
    return FieldProblem::None;
}

QRect arrivalRect(const ElementRecord& r) {
    const auto left = wholeNumber(r.sensdegra);
    const auto top = wholeNumber(r.style);
    return reachableRect(left.value_or(r.Gauche), top.value_or(r.Haut), r.Largeur, r.Hauteur);
}

QRect proposedAnimationDisappearance(const QList<ElementRecord>& records, int row, int column,
                                     const LanguageFile& language) {
    const ElementRecord* best = nullptr;
    for (qsizetype i = 1; i < records.size(); ++i) {
        const ElementRecord& r = records[i];
        if (r.Ligne == row && r.Colonne < column && !r.Fichier.isEmpty() &&
            !isDisappearanceFichier(r.Fichier, language) && (!best || r.Colonne > best->Colonne)) {
            best = &r;
        }
    }
    if (!best) {
        return QRect(2, 2, 100, 100);
    }
    return arrivalRect(*best);
}

}  // namespace ztv::editor
