#pragma once

#include <QImage>
#include <QString>

namespace ztv {

class LanguageFile;

// The appearance mode that `Transparent` names: its language line, 200 to 216, or 0 when the
// text names none.
int appearanceMode(const QString& transparent, const LanguageFile& language);

// Modes 201 to 203 leave parts of the picture out by a transparent colour.
inline bool isTransparentMode(int mode) {
    return mode >= 201 && mode <= 203;
}

// Modes 204 to 215 blend the picture with a colour (half and half, or a quarter of the colour
// for 213 and 215); 216 inverts every pixel. Other modes leave it alone. The picture is 32-bit.
void applyTint(QImage& picture, int mode);

}  // namespace ztv
