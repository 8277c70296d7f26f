#include "player/transitions/EffectNames.h"

#include "common/formats/LangLines.h"

#include <algorithm>
#include <array>
#include <utility>

namespace ztv {
namespace {

struct LineEffect {
    int line;
    int effect;
};

// Line order does not follow effect order: 224/225 and 226 to 232 were reshuffled long ago.
constexpr std::array<LineEffect, 61> kTable = {{
    {220, 1},  {125, 1},  {221, 2},  {222, 3},  {223, 4},  {225, 5},  {224, 6},  {229, 7},
    {230, 8},  {231, 9},  {232, 10}, {233, 11}, {234, 12}, {235, 13}, {236, 14}, {237, 15},
    {238, 16}, {239, 17}, {240, 18}, {241, 19}, {242, 20}, {243, 21}, {244, 22}, {245, 23},
    {246, 24}, {226, 25}, {227, 26}, {228, 27}, {247, 28}, {248, 29}, {249, 30}, {250, 31},
    {251, 32}, {252, 33}, {253, 34}, {254, 35}, {255, 36}, {256, 37}, {257, 38}, {258, 39},
    {262, 40}, {263, 41}, {264, 42}, {265, 43}, {266, 44}, {267, 45}, {268, 46}, {269, 47},
    {270, 48}, {271, 49}, {272, 50}, {273, 51}, {274, 52}, {275, 53}, {276, 54}, {277, 55},
    {278, 56}, {279, 57}, {296, 58}, {297, 59}, {298, 60},
}};

constexpr std::array<std::pair<int, int>, 24> kInversePairs = {{
    {221, 223}, {222, 224}, {225, 226}, {227, 228}, {229, 230}, {231, 232}, {233, 234}, {235, 236},
    {237, 238}, {239, 240}, {241, 242}, {243, 244}, {245, 246}, {247, 248}, {249, 250}, {263, 266},
    {264, 265}, {267, 268}, {269, 270}, {271, 272}, {274, 277}, {275, 276}, {278, 279}, {296, 297},
}};

// Every other name inverts to the small-block dissolve.
constexpr int kDefaultInverseLine = 225;

// Rotation about the centre, the zoom pulse and the cross-fade look the same either way.
constexpr std::array<int, 3> kSelfInverse = {262, 273, 298};

constexpr std::array<int, 60> makeListLines() {
    std::array<int, 60> lines{};
    int n = 0;
    for (int line = lang::EffectsFirst; line <= 258; ++line) {
        lines[n++] = line;
    }
    for (int line = 262; line <= lang::EffectsLast; ++line) {
        lines[n++] = line;
    }
    for (int line = lang::EffectsExtraFirst; line <= lang::EffectsExtraLast; ++line) {
        lines[n++] = line;
    }
    return lines;
}

constexpr std::array<int, 60> kListLines = makeListLines();

}  // namespace

int EffectNames::lineOf(const QString& name) const {
    if (name.isEmpty()) {
        return -1;
    }
    for (const LineEffect& entry : kTable) {
        if (lang_.text(entry.line) == name) {
            return entry.line;
        }
    }
    return -1;
}

int EffectNames::number(const QString& name) const {
    return numberOfLine(lineOf(name));
}

int EffectNames::numberOfLine(int line) {
    const auto* it = std::find_if(kTable.begin(), kTable.end(),
                                  [line](const LineEffect& e) { return e.line == line; });
    return it == kTable.end() ? kEffectUnknown : it->effect;
}

QString EffectNames::inverse(const QString& name) const {
    const int line = lineOf(name);
    if (std::find(kSelfInverse.begin(), kSelfInverse.end(), line) != kSelfInverse.end()) {
        return name;
    }
    for (const auto& [a, b] : kInversePairs) {
        if (line == a) {
            return lang_.text(b);
        }
        if (line == b) {
            return lang_.text(a);
        }
    }
    return lang_.text(kDefaultInverseLine);
}

std::span<const int> EffectNames::listLines() {
    return kListLines;
}

}  // namespace ztv
