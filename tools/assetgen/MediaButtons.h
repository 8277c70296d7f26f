#pragma once

#include <QImage>
#include <QStringList>

namespace ztv::assets {

// The player's video control bar pictures: "play", "pause", "stop", "previous", "eject",
// 16 x 16 dark symbols on transparency.
QStringList mediaButtonNames();
QImage mediaButton(const QString& name);

}  // namespace ztv::assets
