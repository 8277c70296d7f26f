#pragma once

#include <QImage>
#include <QString>
#include <QStringList>

namespace ztv::assets {

// The desktop icons: the two programs and the three project file types, drawn at any size.
// Their names are the icon theme's: "zentrovale", "ztvplay", "application-x-zentrovale-pzv"...
QStringList programIconNames();
QStringList fileTypeIconNames();
QImage programIcon(const QString& name, int size);
QImage fileTypeIcon(const QString& name, int size);
// The sizes written into the hicolor theme.
QList<int> iconSizes();

}  // namespace ztv::assets
