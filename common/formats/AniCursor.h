#pragma once

#include <QByteArray>
#include <QCursor>
#include <optional>

namespace ztv {

// The first frame of an animated cursor file (".ani": a RIFF "ACON" list of ".cur" frames),
// with its hot spot; nullopt for anything else. The frame is shown still.
std::optional<QCursor> cursorFromAni(QByteArray data);
// A cursor file (".cur", or an icon) with its hot spot; nullopt when it is not one.
std::optional<QCursor> cursorFromCur(QByteArray data);

}  // namespace ztv
