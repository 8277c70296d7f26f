#include "editor/dialogs/PictureFiles.h"

#include <QLabel>
#include <QPixmap>

namespace ztv::editor {

QString pictureFileFilter() {
    return QStringLiteral(
        "(*.bmp,*.jpg,*.jpeg,*.gif,*.ico;*.emf;*.wmf) (*.bmp *.ico *.emf *.wmf *.jpg *.gif "
        "*.jpeg *.BMP *.ICO *.EMF *.WMF *.JPG *.GIF *.JPEG);;Bitmaps (*.bmp) (*.bmp *.BMP);;"
        "Ico (*.ico) (*.ico *.ICO);;Meta (*.emf) (*.emf *.EMF);;Meta (*.wmf) (*.wmf *.WMF);;"
        "JPEG (*.jpg,*.jpeg) (*.jpg *.jpeg *.JPG *.JPEG);;Gif (*.gif,*.giff) (*.gif *.giff "
        "*.GIF *.GIFF)");
}

void showPictureIn(QLabel* label, const PictureControl& control, const QRect& geometry) {
    label->setGeometry(geometry);
    label->setPixmap(control.image.isNull() ? QPixmap() : QPixmap::fromImage(control.shown()));
    label->setVisible(!control.image.isNull());
}

}  // namespace ztv::editor
