#pragma once

#include "common/formats/LangLines.h"

#include <QImage>
#include <QString>

namespace ztv {

class LanguageFile;
class EffectReversal;
class TransitionEngine;

// The appearance mode that `Transparent` names: its language line, from AppearanceOpaque to
// AppearanceInvert, or 0 when the text names none.
int appearanceMode(const QString& transparent, const LanguageFile& language);

// The white, black and corner modes leave parts of the picture out by a transparent colour.
inline bool isTransparentMode(int mode) {
    return mode >= lang::AppearanceWhiteClear && mode <= lang::AppearanceCornerClear;
}

// The tint modes blend the picture with a colour (half and half, or a quarter of the colour for
// two of them); AppearanceInvert inverts every pixel. Other modes leave it alone. The picture is
// 32-bit.
void applyTint(QImage& picture, int mode);

// The effect an appearance runs: `effet`, reversed when the played page asks for it (reversal
// may be null: nothing reverses), which uses the reversal up; the no-effect name is never
// reversed and leaves it for the next appearance.
QString appearanceEffect(TransitionEngine& transitions, EffectReversal* reversal,
                         const QString& effet);

}  // namespace ztv
