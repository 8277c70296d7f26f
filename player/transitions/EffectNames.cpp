#include "player/transitions/EffectNames.h"

#include "common/formats/LangLines.h"

#include <algorithm>
#include <array>
#include <utility>

namespace ztv {
namespace {

// The line that names each effect, by effect number (entry 0 unused), counted from the first
// effect line, lang::EffectsFirst (220). Line order does not follow effect order: the lines of
// effects 5, 6 and 25 to 27 were reshuffled long ago, and the editor's preview-only steps
// (lang::CharacterPreviewSpeaking to lang::AnimationPreviewMove) sit among them.
constexpr std::array<int, kEffectLast + 1> kLineOffsets = {
    -1, 0,  1,  2,  3,  5,  4,  9,  10, 11, 12, 13, 14, 15, 16, 17, 18, 19, 20, 21, 22,
    23, 24, 25, 26, 6,  7,  8,  27, 28, 29, 30, 31, 32, 33, 34, 35, 36, 37, 38, 42, 43,
    44, 45, 46, 47, 48, 49, 50, 51, 52, 53, 54, 55, 56, 57, 58, 59, 76, 77, 78,
};

constexpr int lineOfEffect(int effect) {
    return lang::EffectsFirst + kLineOffsets[std::size_t(effect)];
}

// The opposite effects, by effect number, that a reversed appearance takes.
constexpr std::array<std::pair<int, int>, 24> kInversePairs = {{
    {2, 4},   {3, 6},   {5, 25},  {26, 27}, {7, 8},   {9, 10},  {11, 12}, {13, 14},
    {15, 16}, {17, 18}, {19, 20}, {21, 22}, {23, 24}, {28, 29}, {30, 31}, {41, 44},
    {42, 43}, {45, 46}, {47, 48}, {49, 50}, {52, 55}, {53, 54}, {56, 57}, {58, 59},
}};

// Every other effect inverts to the small-block dissolve.
constexpr int kDefaultInverse = 5;

// Rotation about the centre, the zoom pulse and the cross-fade look the same either way.
constexpr std::array<int, 3> kSelfInverse = {40, 51, 60};

constexpr std::array<int, kEffectLast> makeListLines() {
    std::array<int, kEffectLast> lines{};
    int n = 0;
    for (int line = lang::EffectsFirst; line <= lang::EffectsLast; ++line) {
        if (line < lang::CharacterPreviewSpeaking || line > lang::AnimationPreviewMove) {
            lines[n++] = line;
        }
    }
    for (int line = lang::EffectsExtraFirst; line <= lang::EffectsExtraLast; ++line) {
        lines[n++] = line;
    }
    return lines;
}

constexpr std::array<int, kEffectLast> kListLines = makeListLines();

}  // namespace

int EffectNames::lineOf(const QString& name) const {
    if (name.isEmpty()) {
        return -1;
    }
    // The no-effect name comes first, then its second name.
    if (lang_.text(lineOfEffect(kEffectNone)) == name) {
        return lineOfEffect(kEffectNone);
    }
    if (lang_.text(lang::NoEffectSecondName) == name) {
        return lang::NoEffectSecondName;
    }
    for (int effect = kEffectNone + 1; effect <= kEffectLast; ++effect) {
        if (lang_.text(lineOfEffect(effect)) == name) {
            return lineOfEffect(effect);
        }
    }
    return -1;
}

int EffectNames::number(const QString& name) const {
    return numberOfLine(lineOf(name));
}

int EffectNames::numberOfLine(int line) {
    if (line == lang::NoEffectSecondName) {
        return kEffectNone;
    }
    for (int effect = kEffectNone; effect <= kEffectLast; ++effect) {
        if (lineOfEffect(effect) == line) {
            return effect;
        }
    }
    return kEffectUnknown;
}

QString EffectNames::inverse(const QString& name) const {
    const int effect = number(name);
    if (std::find(kSelfInverse.begin(), kSelfInverse.end(), effect) != kSelfInverse.end()) {
        return name;
    }
    for (const auto& [a, b] : kInversePairs) {
        if (effect == a) {
            return lang_.text(lineOfEffect(b));
        }
        if (effect == b) {
            return lang_.text(lineOfEffect(a));
        }
    }
    return lang_.text(lineOfEffect(kDefaultInverse));
}

std::span<const int> EffectNames::listLines() {
    return kListLines;
}

}  // namespace ztv
