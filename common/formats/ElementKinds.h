#pragma once

#include <span>

namespace ztv {

// What the element of a storyboard row is. The row fixes the kind; this table is the one place
// that says which rows hold which kind.
enum class ElementKind {
    None,  // outside rows 1 to 61
    Sound,
    Video,
    Background,
    Picture,
    Character,
    Panorama,
    Animation,
    Text,
    ClickZone,
    KeywordList,
    LongText,
};

// A kind, its rows and the facts that both programs ask about it.
struct KindFacts {
    ElementKind kind;
    int firstRow;
    int lastRow;
    bool visual;         // drawn on the page: stepped by the timer, cleared at a page change
    bool hoverLook;      // may change its look under the mouse (hover picture or colour)
    bool transition;     // appears and disappears through a transition effect
    bool fileInFichier;  // `Fichier` names a file (otherwise it holds text)
    // The disappearance that follows it in its row covers its last rectangle, so placing the
    // element moves that record too.
    bool disappearanceAtRect;
};

// Every kind in row order.
std::span<const KindFacts> elementKinds();

ElementKind kindOfRow(int row);
// The facts of a kind; None has no rows and every fact false.
const KindFacts& factsOf(ElementKind kind);
inline const KindFacts& factsOfRow(int row) {
    return factsOf(kindOfRow(row));
}
// Drawn from a picture file (background, pictures, character, panorama, animations): what a
// picture editor opens, and the kinds with an appearance mode and a transition effect to list.
inline bool isPictureKind(ElementKind kind) {
    const KindFacts& facts = factsOf(kind);
    return facts.visual && facts.fileInFichier;
}
// The first row of a kind (the sound row, the background row, the keyword row...).
inline int firstRowOf(ElementKind kind) {
    return factsOf(kind).firstRow;
}

}  // namespace ztv
