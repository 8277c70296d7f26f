#pragma once

#include <QString>

// Stored paths are Windows paths: backslashes, an optional drive ("C:"), compared without
// regard to case. The system's algorithms keep working on these; only the drive table turns
// them into host paths.
namespace ztv::winpath {

bool hasDrive(const QString& path);
// The drive letter in upper case, or a null QChar.
QChar driveLetter(const QString& path);
// What the editor stores: the full path without its first two characters (drive and colon).
QString withoutDrive(const QString& path);
// Last component after a backslash or slash.
QString fileName(const QString& path);
// Everything before the last backslash (no trailing backslash).
QString directory(const QString& path);
// Extension with its dot, as written (".JPG"), or empty.
QString extension(const QString& path);
QString join(const QString& dir, const QString& name);
bool sameFile(const QString& a, const QString& b);

}  // namespace ztv::winpath
