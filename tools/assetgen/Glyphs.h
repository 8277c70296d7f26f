#pragma once

#include <QImage>
#include <QString>

namespace ztv::assets {

// The toolbar glyph of the given name ("nouveau", "ouvrir"...), 31 x 31 on the panel colour;
// a null image for an unknown name.
QImage toolbarGlyph(const QString& name);
QStringList toolbarGlyphNames();

}  // namespace ztv::assets
