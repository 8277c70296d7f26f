#pragma once

#include <QByteArray>
#include <QCursor>
#include <optional>

namespace ztv {

// The first frame of an animated cursor file (".ani": a RIFF "ACON" list of ".cur" frames),
// with its hot spot; nullopt for anything else. The frame is shown still.
std::optional<QCursor> cursorFromAni(const QByteArray& data);

}  // namespace ztv
