#pragma once

#include <QString>

namespace ztv {
class Prompter;
}

namespace ztv::editor {

struct SessionSettings;

// Finds the file of a drive-less stored path: on the media drive, then the CD drive, the
// further drives, then every drive of a known type. A hit leaves the media drive on the drive
// where the file lies, for every later look-up; a miss sets it to "C:". A project that was
// moved or copied finds the media it carries beneath its own folder when the drives have none
// of them. Shows no message.
bool lookUpMedia(SessionSettings& state, const QString& storedPath);

// As lookUpMedia, and a miss is reported: "file ... not found".
bool lookUpMediaOrReport(SessionSettings& state, Prompter& prompter, const QString& storedPath);

// The host path where lookUpMedia finds the stored path; empty when it is on no drive.
QString findMediaHost(SessionSettings& state, const QString& storedPath);

// The host path of a stored path on the current media drive, else beneath the project's folder.
QString mediaHostPath(const SessionSettings& state, const QString& storedPath);

// "file ... cannot be found" for a stored media path, after the caller's prefix if any.
QString mediaNotFoundText(const SessionSettings& state, const QString& prefix,
                          const QString& storedPath);

// What a person reads for a stored media path: the file the look-up finds, else the host path
// the stored path names.
QString shownMediaPath(SessionSettings& state, const QString& storedPath);

}  // namespace ztv::editor
