#include "common/formats/ElementKinds.h"

#include <algorithm>
#include <array>

namespace ztv {
namespace {

using K = ElementKind;

// kind, rows, visual, hover look, transition, file in Fichier, disappearance at its rectangle
constexpr std::array kKinds{
    KindFacts{K::Sound, 1, 1, false, false, false, true, false},
    KindFacts{K::Video, 2, 2, false, false, false, true, true},
    KindFacts{K::Background, 3, 3, true, true, true, true, false},
    KindFacts{K::Picture, 4, 23, true, true, true, true, false},
    KindFacts{K::Character, 24, 24, true, false, false, true, true},
    KindFacts{K::Panorama, 25, 25, true, false, true, true, true},
    KindFacts{K::Animation, 26, 29, true, false, false, true, true},
    KindFacts{K::Text, 30, 49, true, true, true, false, true},
    KindFacts{K::ClickZone, 50, 59, false, false, false, false, false},
    KindFacts{K::KeywordList, 60, 60, false, false, false, false, false},
    KindFacts{K::LongText, 61, 61, false, false, false, true, false},
};

constexpr KindFacts kNoKind{K::None, 0, -1, false, false, false, false, false};

}  // namespace

std::span<const KindFacts> elementKinds() {
    return kKinds;
}

ElementKind kindOfRow(int row) {
    const auto it = std::find_if(kKinds.begin(), kKinds.end(), [row](const KindFacts& f) {
        return row >= f.firstRow && row <= f.lastRow;
    });
    return it == kKinds.end() ? K::None : it->kind;
}

const KindFacts& factsOf(ElementKind kind) {
    const auto it = std::find_if(kKinds.begin(), kKinds.end(),
                                 [kind](const KindFacts& f) { return f.kind == kind; });
    return it == kKinds.end() ? kNoKind : *it;
}

}  // namespace ztv
