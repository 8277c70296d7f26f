#pragma once

#include <QByteArray>
#include <QImage>
#include <QString>

namespace ztv::assets {

QImage toolbarBackground();              // barrevide.jpg: the toolbar panel, 85 pixels high
QImage dialogTexture();                  // texture.jpg: tiles seamlessly
QImage cellPicture(const QColor& base);  // cell_vide.jpg, cell_select.jpg
QImage columnHeaderPicture();            // cell_colonne.jpg
QImage cornerPicture();                  // ligne_texture.jpg
// The label picture of a storyboard row kind ("son", "video", "fond"...).
QImage rowPicture(const QString& kind);
QStringList rowKinds();
QImage logoPicture();         // logo.jpg: the intro screen
QImage warningPicture();      // the message boxes' picture
QImage informationPicture();  // the same boxes' picture for a success
// handflat.cur: a flat hand, hot spot at the finger tip.
QByteArray handCursor();

}  // namespace ztv::assets
