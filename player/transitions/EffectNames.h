#pragma once

#include "common/formats/LanguageFile.h"

#include <QString>
#include <span>

namespace ztv {

// Effect numbers besides the drawn effects 2 to 60.
inline constexpr int kEffectUnknown = 0;
inline constexpr int kEffectNone = 1;
inline constexpr int kEffectLast = 60;
inline constexpr int kEffectGifFrames = 100;

// Effects 40 to 48 and 52 to 59 draw over a saved background: in the transparent appearance
// modes their picture keeps its transparent colour instead of being composed over the page.
inline constexpr bool keepsKeyColour(int effect) {
    return (effect >= 40 && effect <= 48) || (effect >= 52 && effect <= 59);
}

// The effect vocabulary: records store an effect as the text of the language line that names
// it, and the player compares that text with its own lines, exactly.
class EffectNames {
  public:
    explicit EffectNames(const LanguageFile& lang) : lang_(lang) {}

    // 1 to 60, or kEffectUnknown when no effect line holds exactly this text.
    int number(const QString& name) const;
    // The name of the opposite effect, used when the next appearance runs reversed.
    QString inverse(const QString& name) const;

    // The effect list the editor offers, in order (the preview picture n belongs to entry n).
    static std::span<const int> listLines();
    // The effect a line names, or kEffectUnknown for a line that names none.
    static int numberOfLine(int line);

  private:
    // The effect line holding exactly this text, or -1. An empty line names nothing, so a
    // missing language file matches no stored name.
    int lineOf(const QString& name) const;

    const LanguageFile& lang_;
};

}  // namespace ztv
