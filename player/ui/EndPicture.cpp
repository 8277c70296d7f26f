#include "player/ui/EndPicture.h"

#include <QLinearGradient>
#include <QPainter>

#ifndef ZTV_END_ADDRESS
#define ZTV_END_ADDRESS ""
#endif

namespace ztv {

QImage endPicture() {
    QImage picture(360, 120, QImage::Format_RGB32);
    QPainter painter(&picture);
    QLinearGradient gradient(0, 0, 0, picture.height());
    gradient.setColorAt(0, QColor(0x1c, 0x3f, 0x7a));
    gradient.setColorAt(1, QColor(0x0b, 0x1a, 0x36));
    painter.fillRect(picture.rect(), gradient);
    painter.setPen(Qt::white);
    QFont font(QStringLiteral("Arial"));
    font.setPixelSize(40);
    font.setBold(true);
    painter.setFont(font);
    painter.drawText(picture.rect(), Qt::AlignCenter, QStringLiteral("Zentrovale"));
    return picture;
}

QUrl endPictureAddress() {
    return QUrl(QStringLiteral(ZTV_END_ADDRESS));
}

}  // namespace ztv
