#pragma once

#include <QString>

namespace ztv {

// A project copied to another folder or computer keeps, in its records, the paths its media had
// where it was made. When a stored path is found nowhere, its media are looked for beneath the
// project's folder: the longest tail of the stored path first ("old\demo\img\a.jpg", then
// "demo\img\a.jpg", "img\a.jpg"), down to the bare file name, each component matched without
// regard to case. The host path of the first hit; empty when there is none.
QString findBesideProject(const QString& storedPath, const QString& projectFolderHost);

}  // namespace ztv
